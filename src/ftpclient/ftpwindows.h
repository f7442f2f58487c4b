#pragma once

class InetWindow;

// Registers the FTP client's windows under their names.
void registerFtpWindows();

// The main window, created on first touch.
InetWindow *frmInet();
