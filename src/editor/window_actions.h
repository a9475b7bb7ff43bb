// What the editor's handlers ask of the main window.
#pragma once

namespace tabulex {

class WindowActions {
 public:
  virtual ~WindowActions() = default;
  virtual bool IsFullScreen() const = 0;
  virtual void ToggleFullScreen() = 0;
  // The clear-all command, with what it does to the document (it is no longer modified).
  virtual void ClearAll() = 0;
  // Screen coordinates of the main window's top left corner.
  virtual int WindowLeft() const = 0;
  virtual int WindowTop() const = 0;
  virtual void MoveWindowTo(int left, int top) = 0;
};

}  // namespace tabulex
