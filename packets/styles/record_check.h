// Helpers of the checks made on a whole style record.
#pragma once

namespace packets::styles {

/// True when an FTV pool file is made for this primary FTV percentage:
/// 57 to 60, 68 to 70, 78 to 80, 88 to 90 and 97 to 100.
bool HasFtvPool(int primpct);

}  // namespace packets::styles
