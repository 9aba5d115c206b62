// Compiled only to make the precompiled test headers that every test uses.
