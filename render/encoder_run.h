#pragma once

#include <QSize>
#include <QString>

#include <optional>

namespace xc {

struct AlbumPlan;
struct AlbumSettings;
class ConversionLibrary;

// The frame format the encoder is given for an output kind and quality: 1280 × 720 for "VCD" and
// under quality "yiban_huazhi", 1920 × 1080 otherwise; none for "XLTP" under "yiban_huazhi".
std::optional<QSize> frameFormatFor(const QString& kind, const QString& quality);

// The bit-rate triple every output kind gets.
inline constexpr int bitRateUpper = 99999;
inline constexpr int bitRateLower = 2500;
inline constexpr int bitRatePeak = 100000;

// Sets up the conversion of one render: the frame budget's entries (each naming the frame file),
// the audio list, the preset of the disc kinds and the TV system, keep-duration on, the audio cut
// to the video when the plan asks for it, the frame format, the bit rates, the chosen size and
// the output file.
void configureConversion(ConversionLibrary& library, const AlbumSettings& settings, const AlbumPlan& plan,
                         const QString& frameFile, QSize outputSize, const QString& outputPath);

}  // namespace xc
