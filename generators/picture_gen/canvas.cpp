#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace {

uint8_t clamp(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

double segmentDistance(Pt p, Pt a, Pt b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// 3 x 5 glyphs, one row per digit of five, top row first; bit 4 is the left column.
struct Glyph {
  char c;
  uint8_t rows[5];
};
constexpr Glyph kFont[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'E', {7, 4, 6, 4, 7}},
    {'X', {5, 5, 2, 5, 5}}, {'I', {7, 2, 2, 2, 7}}, {'T', {7, 2, 2, 2, 2}},
};

}  // namespace

Rgb shade(Rgb c, int tenths) {
  return {clamp(c.r * tenths / 10), clamp(c.g * tenths / 10), clamp(c.b * tenths / 10)};
}

Rgb mix(Rgb a, Rgb b, int p) {
  return {clamp((a.r * (100 - p) + b.r * p) / 100), clamp((a.g * (100 - p) + b.g * p) / 100),
          clamp((a.b * (100 - p) + b.b * p) / 100)};
}

int speckle(int x, int y, int seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               static_cast<uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return static_cast<int>((h ^ (h >> 16)) % 100);
}

Canvas::Canvas(int width, int height, Rgb fill)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width * height), fill) {}

void Canvas::set(int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < m_width && y < m_height) m_pixels[static_cast<size_t>(y * m_width + x)] = c;
}

void Canvas::rect(int x0, int y0, int x1, int y1, Rgb c) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) set(x, y, c);
}

void Canvas::frame(int x0, int y0, int x1, int y1, Rgb c) {
  rect(x0, y0, x1, y0 + 1, c);
  rect(x0, y1 - 1, x1, y1, c);
  rect(x0, y0, x0 + 1, y1, c);
  rect(x1 - 1, y0, x1, y1, c);
}

void Canvas::ellipse(double cx, double cy, double rx, double ry, Rgb c) {
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) set(x, y, c);
    }
}

void Canvas::ring(double cx, double cy, double r, double thickness, Rgb c) {
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) {
      const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (d <= r && d >= r - thickness) set(x, y, c);
    }
}

void Canvas::polygon(std::initializer_list<Pt> points, Rgb c) {
  const std::vector<Pt> p(points);
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      bool inside = false;
      for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].y > py) != (p[j].y > py) && px < (p[j].x - p[i].x) * (py - p[i].y) / (p[j].y - p[i].y) + p[i].x)
          inside = !inside;
      }
      if (inside) set(x, y, c);
    }
}

void Canvas::line(Pt a, Pt b, double width, Rgb c) {
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x)
      if (segmentDistance({x + 0.5, y + 0.5}, a, b) <= width / 2) set(x, y, c);
}

void Canvas::ball(double cx, double cy, double rx, double ry, Rgb c) {
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      const double d2 = dx * dx + dy * dy;
      if (d2 > 1.0) continue;
      const double nz = std::sqrt(1.0 - d2);
      const double light = (-dx * 0.5 - dy * 0.6 + nz * 0.62);  // lamp above left, in front
      const int tenths = 4 + static_cast<int>(std::lround(std::clamp(light, 0.0, 1.0) * 8));
      set(x, y, shade(c, tenths));
    }
}

void Canvas::text(int x, int y, const std::string& text, Rgb c, int scale) {
  for (char ch : text) {
    for (const Glyph& glyph : kFont) {
      if (glyph.c != ch) continue;
      for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
          if (glyph.rows[row] & (4 >> col)) rect(x + col * scale, y + row * scale, x + (col + 1) * scale, y + (row + 1) * scale, c);
    }
    x += 4 * scale;
  }
}

void Canvas::outline(Rgb background, Rgb outline) {
  const Canvas before = *this;
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) {
      if (!(before.get(x, y) == background)) continue;
      bool touches = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx >= 0 && ny >= 0 && nx < m_width && ny < m_height && !(before.get(nx, ny) == background) &&
              !(before.get(nx, ny) == outline))
            touches = true;
        }
      if (touches) set(x, y, outline);
    }
}

Canvas Canvas::mirroredX() const {
  Canvas out(m_width, m_height);
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) out.set(m_width - 1 - x, y, get(x, y));
  return out;
}

Canvas Canvas::flippedY() const {
  Canvas out(m_width, m_height);
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) out.set(x, m_height - 1 - y, get(x, y));
  return out;
}

Canvas Canvas::rotatedLeft() const {
  Canvas out(m_height, m_width);
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) out.set(y, m_width - 1 - x, get(x, y));
  return out;
}

Canvas Canvas::inverted() const {
  Canvas out(m_width, m_height);
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) {
      const Rgb c = get(x, y);
      out.set(x, y, {static_cast<uint8_t>(255 - c.r), static_cast<uint8_t>(255 - c.g), static_cast<uint8_t>(255 - c.b)});
    }
  return out;
}
