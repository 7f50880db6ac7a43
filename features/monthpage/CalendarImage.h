// Saving the month view as a picture file, without the widgets: the Save dialog, PNG first and a
// BMP file beside it when PNG cannot be written, and the messages that say which file was made.
// The window supplies the writer that renders its page into the file.
#pragma once

#include <functional>
#include <string>

#include "platform/calendarlib/CalendarRecords.h"

namespace mirvo {

class FileDialogs;
class Messages;

inline constexpr char kSaveCalendarDialogTitle[] = "Save image of this calendar month as a PNG file";
inline constexpr char kSaveCalendarFilter[] = "PNG graphics file (*.png) | *.png";
inline constexpr char kSaveImageTitle[] = "Save image";
inline constexpr char kSavedAsPngText[] = "The image has been saved in the PNG file";
inline constexpr char kSavedAsBmpText[] = "Save error.  The image has been saved instead in the BMP file";
inline constexpr char kSaveImageErrorText[] = "Error when attempting to save image.  Please try again.";

// The BMP file beside a PNG path: its ".png" (in any case) replaced by ".bmp", or ".bmp" added
// when the name has no ".png" ending.
std::string BmpPathBeside(const std::string& pngPath);

// Writes the picture to path in format "PNG" or "BMP"; false when no complete file was written
// (a partial file is not left behind).
using ImageWriter = std::function<bool(const std::string& path, const char* format)>;

enum class ImageSaveOutcome { kCancelled, kPng, kBmp, kFailed };

// The name a saved page is offered under: "lunar-month-2033-11-leap.png" for the leap 11th month
// of the lunar year that begins in 2033 (the month's day-1 date).
std::string CalendarImageFileName(const ChlDate& month);

// "Save as PNG image": asks for the file, in the user's pictures folder with fileName offered;
// Cancel ends silently. Otherwise writes PNG, or BMP beside it when that fails, and tells the user
// which file holds the image, or that none does.
ImageSaveOutcome SaveCalendarImage(FileDialogs& dialogs, Messages& messages, const ImageWriter& write,
                                   const std::string& fileName);

}  // namespace mirvo
