#pragma once

#include <QPixmap>

// The lamp shown by a lit lamp control (13 x 13).
const QPixmap& LampPixmap();

// The picture a strategy window shows beside a hit (62 x 71): a gold star.
const QPixmap& HitPixmap();
