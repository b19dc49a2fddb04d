#pragma once

class QPainter;

// The pictures of the things a user can insert, each drawn into a 20 x 20
// box; the tool table names the one of each tool.
namespace toolicons {
void pointer(QPainter& p);
void picture(QPainter& p);
void text(QPainter& p);
void line(QPainter& p);
void arc(QPainter& p);
void spline(QPainter& p);
void curve(QPainter& p);
void triangle(QPainter& p);
void square(QPainter& p);
void rectangle(QPainter& p);
void circle(QPainter& p);
void pie(QPainter& p);
void ellipse(QPainter& p);
void polygon(QPainter& p);
void star(QPainter& p);
void solid(QPainter& p);
void oblong(QPainter& p);
} // namespace toolicons
