#include "tests/terminal/tmux_pane.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace termtest {

std::string ShellQuote(std::string_view text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

namespace {

std::string TrimNewline(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

// Applies the parameters of one SGR escape ("38;5;12") to the colours.
void ApplySgr(std::string_view params, int& fg, int& bg) {
  std::vector<int> codes;
  int value = 0;
  bool any = false;
  for (char c : params) {
    if (c == ';') {
      codes.push_back(any ? value : 0);
      value = 0;
      any = false;
    } else if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
      any = true;
    }
  }
  codes.push_back(any ? value : 0);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    int code = codes[i];
    if (code == 0) {
      fg = bg = -1;
    } else if (code >= 30 && code <= 37) {
      fg = code - 30;
    } else if (code >= 90 && code <= 97) {
      fg = code - 90 + 8;
    } else if (code >= 40 && code <= 47) {
      bg = code - 40;
    } else if (code >= 100 && code <= 107) {
      bg = code - 100 + 8;
    } else if (code == 39) {
      fg = -1;
    } else if (code == 49) {
      bg = -1;
    } else if ((code == 38 || code == 48) && i + 2 < codes.size() && codes[i + 1] == 5) {
      (code == 38 ? fg : bg) = codes[i + 2];
      i += 2;
    } else if ((code == 38 || code == 48) && i + 4 < codes.size() && codes[i + 1] == 2) {
      i += 4;  // a direct colour: not used by these tests
    }
  }
}

}  // namespace

CommandResult RunCommand(const std::vector<std::string>& argv) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int null = open("/dev/null", O_RDONLY);
    dup2(null, STDIN_FILENO);
    dup2(fds[1], STDOUT_FILENO);
    dup2(fds[1], STDERR_FILENO);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(fds[1]);
  CommandResult result;
  char buffer[4096];
  for (;;) {
    ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n > 0) {
      result.output.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  close(fds[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

bool TmuxAvailable() {
  return RunCommand({"tmux", "-V"}).status == 0;
}

std::vector<std::vector<PaneCell>> ParseCapture(std::string_view capture) {
  std::vector<std::vector<PaneCell>> rows(1);
  int fg = -1;
  int bg = -1;
  for (std::size_t i = 0; i < capture.size(); ++i) {
    char c = capture[i];
    if (c == '\x1b' && i + 1 < capture.size() && capture[i + 1] == '[') {
      std::size_t end = capture.find_first_of("ABCDEFGHJKSTfmnsu", i + 2);
      if (end == std::string_view::npos) break;
      if (capture[end] == 'm') ApplySgr(capture.substr(i + 2, end - i - 2), fg, bg);
      i = end;
    } else if (c == '\n') {
      rows.emplace_back();
    } else {
      rows.back().push_back(PaneCell{c, fg, bg});
    }
  }
  if (rows.back().empty()) rows.pop_back();
  return rows;
}

TmuxPane::TmuxPane(int cols, int rows, const std::vector<std::string>& environment) {
  std::string pattern = (std::filesystem::temp_directory_path() / "matquiz-term-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make " + pattern);
  dir_ = pattern;
  socket_ = (dir_ / "tmux.sock").string();
  {
    std::ofstream conf(dir_ / "tmux.conf");
    conf << "set -g default-terminal xterm-256color\n"  // what the shell inside is told
            "set -g status off\n";                      // the pane is the whole window
  }
  {
    // A clean shell: nothing from the caller's environment but PATH.
    std::ofstream start(dir_ / "start.sh");
    start << "exec env -i PATH=\"$PATH\" HOME=" << ShellQuote(dir_.string())
          << " TERM=xterm-256color PS1='ready> '";
    for (const std::string& setting : environment) start << ' ' << ShellQuote(setting);
    start << " sh -i\n";
  }
  CommandResult started =
      Tmux({"new-session", "-d", "-x", std::to_string(cols), "-y", std::to_string(rows),
            "sh " + ShellQuote((dir_ / "start.sh").string())});
  if (started.status != 0) {
    std::filesystem::remove_all(dir_);
    throw std::runtime_error("tmux did not start: " + started.output);
  }
  if (!WaitFor("ready>")) throw std::runtime_error("the shell in tmux did not start");
}

TmuxPane::~TmuxPane() {
  Tmux({"kill-server"});
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

CommandResult TmuxPane::Tmux(std::vector<std::string> args) {
  std::vector<std::string> argv{"tmux", "-S", socket_, "-f", (dir_ / "tmux.conf").string()};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunCommand(argv);
}

void TmuxPane::Type(std::string_view text) {
  Tmux({"send-keys", "-l", "--", std::string(text)});
}

void TmuxPane::Press(const std::vector<std::string>& keys) {
  std::vector<std::string> args{"send-keys"};
  args.insert(args.end(), keys.begin(), keys.end());
  Tmux(args);
}

void TmuxPane::Command(std::string_view line) {
  Type(line);
  Press({"Enter"});
}

std::string TmuxPane::Screen() {
  return Tmux({"capture-pane", "-p"}).output;
}

std::vector<std::vector<PaneCell>> TmuxPane::Cells() {
  return ParseCapture(Tmux({"capture-pane", "-p", "-e", "-N"}).output);
}

std::string TmuxPane::Format(std::string_view format) {
  return TrimNewline(Tmux({"display-message", "-p", std::string(format)}).output);
}

void TmuxPane::Resize(int cols, int rows) {
  Tmux({"resize-window", "-x", std::to_string(cols), "-y", std::to_string(rows)});
}

bool TmuxPane::WaitFor(std::string_view text, std::chrono::milliseconds limit) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  std::string screen;
  for (;;) {
    screen = Screen();
    if (screen.find(text) != std::string::npos) return true;
    if (std::chrono::steady_clock::now() > deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ADD_FAILURE() << "Timed out waiting for \"" << text << "\"; the screen shows:\n" << screen;
  return false;
}

}  // namespace termtest
