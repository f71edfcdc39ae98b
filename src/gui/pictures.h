#pragma once

#include <QPixmap>

// The lamp shown by a lit lamp control (13 x 13).
const QPixmap& LampPixmap();

// The picture a status window shows beside a hit (62 x 71).
const QPixmap& HitPixmap();
