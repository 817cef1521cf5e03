#pragma once
// A panel opened beside the table: the window grows by the panel's width
// as far as its screen allows, so the table keeps its size; beyond that
// the table gives way, keeping its proportions.

class QMainWindow;

namespace zunpa::qt {

// Returns the pixels the window grew by; nothing for a maximised or full
// screen window.
int GrowBy(QMainWindow& window, int width);

}  // namespace zunpa::qt
