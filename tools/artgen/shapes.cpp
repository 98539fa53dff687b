// artgen's shapes: polygons, their inside test, edge distances and pixel coverage.
#include "tools/artgen/shapes.h"

#include <cmath>
#include <cstdint>

namespace {
constexpr double Pi = 3.14159265358979323846;
}

TPolygon RegularPolygon(double cx, double cy, double radiusX, double radiusY, int corners,
                        double firstAngle) {
  TPolygon polygon;
  for (int i = 0; i < corners; ++i) {
    const double a = firstAngle + 2 * Pi * i / corners;
    polygon.push_back({cx + radiusX * std::cos(a), cy + radiusY * std::sin(a)});
  }
  return polygon;
}

TPolygon FieldHexagon(double cx, double cy, double halfWidth, double halfHeight) {
  const double quarter = halfWidth / 2;
  return {{cx - halfWidth, cy}, {cx - quarter, cy - halfHeight}, {cx + quarter, cy - halfHeight},
          {cx + halfWidth, cy}, {cx + quarter, cy + halfHeight}, {cx - quarter, cy + halfHeight}};
}

TPolygon Star(double cx, double cy, double outer, double inner, int points) {
  TPolygon polygon;
  for (int i = 0; i < 2 * points; ++i) {
    const double a = -Pi / 2 + Pi * i / points;
    const double r = i % 2 == 0 ? outer : inner;
    polygon.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return polygon;
}

TPolygon Heart(double cx, double cy, double size) {
  // the classic heart curve spans about 29 units from top to point
  const double scale = size / 29.0;
  TPolygon polygon;
  for (int i = 0; i < 64; ++i) {
    const double t = 2 * Pi * i / 64;
    const double x = 16 * std::pow(std::sin(t), 3);
    const double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
    polygon.push_back({cx + x * scale, cy - (y + 2.5) * scale});
  }
  return polygon;
}

bool Inside(const TPolygon& polygon, double x, double y) {
  bool inside = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const TPoint& a = polygon[i];
    const TPoint& b = polygon[j];
    if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X) {
      inside = !inside;
    }
  }
  return inside;
}

double EdgeDistance(const TPolygon& polygon, double x, double y, double* inwardX, double* inwardY) {
  double best = 1e9;
  // the polygons run clockwise on screen (y down), so the inward normal is the edge turned right
  for (size_t i = 0; i < polygon.size(); ++i) {
    const TPoint& a = polygon[i];
    const TPoint& b = polygon[(i + 1) % polygon.size()];
    const double ex = b.X - a.X, ey = b.Y - a.Y;
    const double length2 = ex * ex + ey * ey;
    double t = length2 > 0 ? ((x - a.X) * ex + (y - a.Y) * ey) / length2 : 0;
    t = std::fmin(1.0, std::fmax(0.0, t));
    const double dx = x - (a.X + t * ex), dy = y - (a.Y + t * ey);
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d < best) {
      best = d;
      const double length = std::sqrt(length2);
      if (inwardX != nullptr && length > 0) *inwardX = -ey / length;
      if (inwardY != nullptr && length > 0) *inwardY = ex / length;
    }
  }
  return best;
}

double PixelCoverage(const TPolygon& polygon, int x, int y) {
  int inside = 0;
  for (int sy = 0; sy < 4; ++sy) {
    for (int sx = 0; sx < 4; ++sx) {
      if (Inside(polygon, x + (sx + 0.5) / 4, y + (sy + 0.5) / 4)) ++inside;
    }
  }
  return inside / 16.0;
}

TColour NotKeyBlack(TColour c) {
  const auto r = std::lround(c.R), g = std::lround(c.G), b = std::lround(c.B);
  if (r < 8 && g < 4 && b < 8) return {8, 6, 8};
  return c;
}

double Grain(int x, int y, int seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               static_cast<uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFFu) / static_cast<double>(0xFFFFFF);
}

double SmoothGrain(double x, double y, int period, int seed) {
  const auto wrap = [period](int v) { return ((v % period) + period) % period; };
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const double fx = x - x0, fy = y - y0;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = Grain(wrap(x0), wrap(y0), seed), b = Grain(wrap(x0 + 1), wrap(y0), seed);
  const double c = Grain(wrap(x0), wrap(y0 + 1), seed), d = Grain(wrap(x0 + 1), wrap(y0 + 1), seed);
  return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}
