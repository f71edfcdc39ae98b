#pragma once

#include <QByteArray>
#include <QPixmap>

class QPainter;

// The lamp shown by a lit lamp control (13 x 13).
const QPixmap& LampPixmap();

// The program's icon: a wheel with its double zero (32 x 32).
const QPixmap& ProgramIconPixmap();
// The same icon painted on a square of `size` pixels at the painter's origin.
void PaintProgramIcon(QPainter& g, int size);
// The same icon as a scalable drawing (an SVG document).
QByteArray ProgramIconSvg();

// The picture a strategy window shows beside a hit (62 x 71): a gold star.
const QPixmap& HitPixmap();
