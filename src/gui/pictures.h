#pragma once

#include <QPixmap>

// The lamp shown by a lit lamp control (13 x 13).
const QPixmap& LampPixmap();

// The program's icon: a wheel with its double zero (32 x 32).
const QPixmap& ProgramIconPixmap();

// The picture a strategy window shows beside a hit (62 x 71): a gold star.
const QPixmap& HitPixmap();
