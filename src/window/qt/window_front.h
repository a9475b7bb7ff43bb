// Putting a top-level window in front: its topmost state, raising it, and bringing it back
// when another start asks for it. Functions over any QWidget window.
#pragma once

class QString;
class QWidget;

namespace tabulex {

// ApplyAlwaysOnTop: sets or clears Qt::WindowStaysOnTopHint without hiding the window and
// without touching its geometry or state (QWidget::setWindowFlag would hide a shown window).
void SetStaysOnTop(QWidget& window, bool onTop);

// The frame of full-screen mode: no window buttons, still movable and sizable (on X11 a
// border without caption, since window managers keep a caption's buttons); on brings the
// normal frame back. Like SetStaysOnTop, the window stays shown where it is.
void SetFrameButtons(QWidget& window, bool withButtons);

// The caption text; an empty caption shows no text at all.
void SetCaption(QWidget& window, const QString& caption);

// Raises the window above the others and activates it.
void RaiseAndActivate(QWidget& window);

// The wake-up a second start sends: a minimised or hidden window comes back (a maximised
// one stays maximised) and is brought to the front.
void RestoreWindow(QWidget& window);

}  // namespace tabulex
