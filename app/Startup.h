#pragma once

#include <functional>
#include <memory>

class QApplication;
class ISerialDevice;

// Start-up after the application object exists: the remembered language is
// put to use, then `createWindows` creates the
// windows (MainForm hidden, which shows the connect dialog). An error while
// they are created is shown and ends the program with exit code 1; else the
// message loop runs until the main window closes and its code is returned.
int RunProgram(QApplication& app, const std::function<void()>& createWindows);

// Creates MainForm over `device`; its constructor creates the other windows.
void CreateWindows(std::unique_ptr<ISerialDevice> device);

// Deletes MainForm (and with it every other window); safe when none exists.
void DestroyWindows();
