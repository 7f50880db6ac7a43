#include "ui/main/WindowsPanel.h"

#include <QPushButton>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "features/listings/Listings.h"
#include "features/session/MainRules.h"
#include "ui/calendar/frmCalendar.h"
#include "ui/data/frmData.h"
#include "ui/main/CommandPanel.h"
#include "ui/main/MainServices.h"

namespace mirvo {

WindowsPanel::WindowsPanel(QWidget& window, MainRules& rules, CommandPanel& commands,
                           const MainServices& services, const ProgramTextStore& texts)
    : QObject(&window), window_(window), rules_(rules), services_(services), texts_(texts) {
  connect(commands.button("cmdDisplayYearData"), &QPushButton::clicked, this,
          [this] { Data().DisplayYearData(); });
  const std::pair<const char*, int> lists[] = {{"cmdListLunarNewYears", kModeNewYears},
                                               {"cmdListLeapMonths", kModeMonths},
                                               {"cmdListJulianCENewYears", kModeEuroNewYears},
                                               {"cmdListFestivals", kModeFestivals}};
  for (const auto& [name, mode] : lists) {
    connect(commands.button(name), &QPushButton::clicked, this,
            [this, mode = mode] { Data().OpenList(mode); });
  }
  connect(commands.button("cmdTest"), &QPushButton::clicked, this, [this] { Data().DoTest(); });
  connect(commands.button("cmdDisplayCalendar"), &QPushButton::clicked, this, [this] {
    Calendar().OpenAt(JdnOf(CjdcFromAjd(rules_.currentAjd(), rules_.reckoner().ReferenceDegrees())),
                      &window_);
  });
}

void WindowsPanel::SetEuropeanCalendar(char letter) {
  if (data_) data_->SetEuropeanCalendar(letter);
}

frmData& WindowsPanel::Data() {
  if (data_) return *data_;
  MainRules& rules = rules_;
  DataWindowSources sources;
  sources.inputs = [this, &rules] {
    ListingInputs inputs = InputsOf(rules.reckoner(), rules.currentAjd());
    inputs.epochMethod = EpochMethod(rules.settings().epoch, rules.settings().sunMethod, true);
    inputs.zoneLabel = rules.settings().zoneLabel();
    inputs.festivals = &rules.festivals();
    inputs.language = rules.settings().language;
    return inputs;
  };
  // The date test reads its box as Convert reads the date box, with no time or zone.
  sources.parseDate = [&rules](const std::string& text) {
    EntryModel model = rules.entry();
    model.date = text;
    model.time.clear();
    model.timeZone = kTimeZoneNone;
    model.plusMinus.clear();
    return rules.Parse(model);
  };
  sources.mainWindow = &window_;
  sources.texts = &texts_;
  sources.fileDialogs = services_.fileDialogs;
  sources.files = services_.files;
  data_ =
      new frmData(rules.reckoner(), services_.clipboard, services_.messages, std::move(sources), &window_);
  connect(data_, &frmData::closed, this, &WindowsPanel::focusWanted);
  return *data_;
}

frmCalendar& WindowsPanel::Calendar() {
  if (calendar_) return *calendar_;
  MainRules& rules = rules_;
  CalendarServices services;
  services.messages = services_.messages;
  services.fileDialogs = services_.fileDialogs;
  services.showVmc = [&rules] { return rules.settings().showVmc; };
  services.currentDay = [&rules] {
    return JdnOf(CjdcFromAjd(rules.currentAjd(), rules.reckoner().ReferenceDegrees()));
  };
  services.festivals = &rules.festivals();
  calendar_ = new frmCalendar(rules.reckoner(), std::move(services), &window_);
  return *calendar_;
}

void WindowsPanel::CloseWindows() {
  if (data_) data_->close();
  if (calendar_) calendar_->close();
}

}  // namespace mirvo
