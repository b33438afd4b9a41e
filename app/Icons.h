#pragma once
// The toolbar's eighteen images, the browser environment switch's own, and the application icon.
// The desktop's icon theme is used when it has the image; otherwise our own pictures, so the
// toolbar looks complete on a bare system.

#include <QIcon>

namespace jsdebug::app {

enum class ToolbarImage {
  NewWindow, Open, Save, SaveWithCall, Cut, Copy, Paste, Delete, Undo, Redo,
  Find, Replace, GoToLine, Beautify, LineNumbers, Browser, Help, Exit, BrowserEnvironment
};

inline constexpr int kToolbarImageCount = 19;

// 16 x 15 pixels.
QIcon toolbarIcon(ToolbarImage image);
// Our own picture (app/icons/*.svg), which toolbarIcon gives when the theme has none.
QIcon drawnToolbarIcon(ToolbarImage image);
// The installed icon when the desktop finds it; otherwise our own at 16 x 16 and 32 x 32.
QIcon applicationIcon();

}  // namespace jsdebug::app
