#pragma once

#include <QPixmap>

// The lamp shown by a lit lamp control (13 x 13).
const QPixmap& LampPixmap();
