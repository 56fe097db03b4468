// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of the closing screen: a capital growing year by year.

#include <QPixmap>
#include <QSize>

namespace SplashPicture {

QPixmap draw(QSize size);

} // namespace SplashPicture
