#pragma once

// The outside programs both main windows start from the tools folder.
namespace OutsidePrograms {

void startTintor();
void startFtpClient();

} // namespace OutsidePrograms
