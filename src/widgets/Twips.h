#pragma once
// Positions and sizes of the program's own controls are given in twips (1/1440 inch).
// Qt lays out in device-independent pixels of 1/96 inch and scales them for the screen
// itself, so one pixel is always 15 twips: this is the one place that says so.
#include <QLine>
#include <QRect>
#include <QSize>
#include <QtMath>

namespace quilmo::twips {

inline constexpr int kPerPixel = 1440 / 96;

inline int toPixels(int twips) { return qRound(double(twips) / kPerPixel); }
inline int fromPixels(int pixels) { return pixels * kPerPixel; }

inline QSize toPixels(QSize s) { return {toPixels(s.width()), toPixels(s.height())}; }
inline QSize fromPixels(QSize s) { return {fromPixels(s.width()), fromPixels(s.height())}; }
inline QPoint toPixels(QPoint p) { return {toPixels(p.x()), toPixels(p.y())}; }
inline QPoint fromPixels(QPoint p) { return {fromPixels(p.x()), fromPixels(p.y())}; }
inline QLine toPixels(QLine l) { return {toPixels(l.p1()), toPixels(l.p2())}; }

}  // namespace quilmo::twips
