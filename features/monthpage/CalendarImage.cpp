#include "features/monthpage/CalendarImage.h"

#include "core/chinese/Cycles.h"
#include "platform/services/FileDialogs.h"
#include "platform/services/Services.h"
#include "util/Text.h"

namespace mirvo {

std::string BmpPathBeside(const std::string& pngPath) {
  constexpr size_t kExtension = 4;  // ".png"
  if (pngPath.size() > kExtension && LowerCaseText(pngPath.substr(pngPath.size() - kExtension)) == ".png") {
    return pngPath.substr(0, pngPath.size() - kExtension) + ".bmp";
  }
  return pngPath + ".bmp";
}

std::string CalendarImageFileName(const ChlDate& month) {
  return "lunar-month-" + std::to_string(YearFromCycle(month.cycle, month.position, month.epoch)) + "-" +
         (month.month < 10 ? "0" : "") + std::to_string(month.month) + (month.leap ? "-leap" : "") + ".png";
}

ImageSaveOutcome SaveCalendarImage(FileDialogs& dialogs, Messages& messages, const ImageWriter& write,
                                   const std::string& fileName) {
  const std::string png =
      dialogs.SaveFileName(kSaveCalendarDialogTitle, kSaveCalendarFilter, fileName, StartFolder::kPictures);
  if (png.empty()) return ImageSaveOutcome::kCancelled;
  if (write(png, "PNG")) {
    messages.Show(kSaveImageTitle, std::string(kSavedAsPngText) + "\n" + png, MessageIcon::kInformation,
                  MessageButtons::kOk);
    return ImageSaveOutcome::kPng;
  }
  const std::string bmp = BmpPathBeside(png);
  if (write(bmp, "BMP")) {
    messages.Show(kSaveImageTitle, std::string(kSavedAsBmpText) + "\n" + bmp, MessageIcon::kInformation,
                  MessageButtons::kOk);
    return ImageSaveOutcome::kBmp;
  }
  messages.Show("", kSaveImageErrorText, MessageIcon::kError, MessageButtons::kOk);
  return ImageSaveOutcome::kFailed;
}

}  // namespace mirvo
