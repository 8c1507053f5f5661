#pragma once
// How a screen reader meets the command button: a push button named by its caption, with a
// Press action; the labels and lines it is drawn from are its picture, not controls.
namespace quilmo {

// Registers the button's accessible interface with Qt; later calls do nothing.
void installCommandButtonAccessible();

}  // namespace quilmo
