#pragma once

#include <QColor>
#include <QGradientStops>
#include <QImage>
#include <QPolygonF>
#include <QRectF>

#include <functional>

class QPainter;

namespace qv::samples {

class ValueNoise;

QImage blankCanvas(QSize size);
QColor mix(const QColor& a, const QColor& b, double t);

void fillVertical(QPainter& painter, const QRectF& area, const QGradientStops& stops);

// A light source's halo: full colour at the centre fading to nothing at `radius`.
void softGlow(QPainter& painter, QPointF centre, double radius, const QColor& colour);

// The outline of a hill or mountain range across the full width, closed at `bottom`.
// `heightAt(x)` returns the height above `baseline` in pixels.
QPolygonF skyline(double width, double baseline, double bottom, double step,
                  const std::function<double(double)>& heightAt);

// Blends `colour` over the area wherever the fractal noise passes `coverage`,
// giving soft cloud banks; `stretch` flattens them horizontally.
void paintClouds(QImage& image, const QRect& area, const ValueNoise& noise, double scale,
                 double stretch, double coverage, const QColor& colour);

// Fine luminance grain, like film, which also hides banding in smooth gradients.
void addGrain(QImage& image, int strength, std::uint64_t seed);

} // namespace qv::samples
