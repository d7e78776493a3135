#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>

namespace xc {

// A template package is a chain of layers: each layer is a 4-byte little-endian decoded length
// followed by a zlib stream. Decoding 23 layers yields the payload.
inline constexpr int packageLayers = 23;

// Refuse declared lengths beyond this, so a damaged or hostile package cannot exhaust memory.
inline constexpr qint64 maxLayerLength = 256LL * 1024 * 1024;

Result<QByteArray> decodeLayer(const QByteArray& layer);
QByteArray encodeLayer(const QByteArray& decoded);

// The payload packed into a whole package (23 layers).
QByteArray encodePackage(const QByteArray& payload);

// Decodes a package file: the result of layer j (1 … 22) is written to scratchPrefix + "-" + j +
// ".rar" and layer j + 1 is decoded from it; the payload goes to finalPath.
Status decodePackage(const QString& packagePath, const QString& scratchPrefix, const QString& finalPath);

}  // namespace xc
