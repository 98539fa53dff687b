// artgen's shapes: outlines as polygons, with the tests the painters light and shade them by.
#pragma once

#include <vector>

#include "tools/artgen/canvas.h"

struct TPoint {
  double X = 0;
  double Y = 0;
};

using TPolygon = std::vector<TPoint>;

// A regular polygon around (cx, cy); the first corner lies at the given angle (radians, y down).
TPolygon RegularPolygon(double cx, double cy, double radiusX, double radiusY, int corners,
                        double firstAngle);
// The board's hexagon: corners left and right, flat top and bottom, halfWidth from the centre
// to the side corners.
TPolygon FieldHexagon(double cx, double cy, double halfWidth, double halfHeight);
// A star with `points` tips between the outer and inner radius, one tip straight up.
TPolygon Star(double cx, double cy, double outer, double inner, int points);
// A heart with its point down, size the distance from its top to the point.
TPolygon Heart(double cx, double cy, double size);

bool Inside(const TPolygon& polygon, double x, double y);
// Distance from (x, y) to the nearest edge; inwardX/Y receive that edge's inward normal.
double EdgeDistance(const TPolygon& polygon, double x, double y, double* inwardX = nullptr,
                    double* inwardY = nullptr);
// Share of the pixel (x, y) inside the polygon, from 4 x 4 samples.
double PixelCoverage(const TPolygon& polygon, int x, int y);

// On sheets keyed to black, a colour that the game would read as black is lifted just above it,
// so that ink never turns into a hole.
TColour NotKeyBlack(TColour c);

// A small hash of integer coordinates to 0..1: the sheets' fixed, repeatable grain.
double Grain(int x, int y, int seed);
// Smooth value noise from Grain, period `period` pixels in both directions (tiles seamlessly when
// the tile size is a multiple of the period).
double SmoothGrain(double x, double y, int period, int seed);
