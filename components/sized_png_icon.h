#pragma once

#include <QIcon>
#include <QImageReader>
#include <QList>
#include <QSize>
#include <QString>
#include <utility>

namespace vlmr {

/// An icon made of image files of known sizes, each read only when the icon
/// is first drawn at a size that picks it. It picks and scales as an icon
/// whose images were all added up front does (the smallest size at least as
/// large as asked for, else the largest; smooth scaling), so it draws the same
/// pixels without decoding every size at once. Empty: a null icon.
QIcon LazySizedIcon(QList<std::pair<QSize, QString>> files);

/// Makes `reader` read its file as PNG, a format Qt reads by itself, without
/// first asking the installed image plug-ins whether they know the file:
/// asking loads every plug-in and the libraries behind them.
void ReadAsPngOnly(QImageReader& reader);

}  // namespace vlmr
