#include "ui/main/WindowsPanel.h"

#include <QPushButton>

#include "core/chinese/Reckoner.h"
#include "core/daycount/DayCount.h"
#include "ui/calendar/frmCalendar.h"
#include "ui/data/Listings.h"
#include "ui/data/frmData.h"
#include "ui/main/CommandPanel.h"
#include "ui/main/MainRules.h"
#include "ui/main/frmMain.h"

namespace mirvo {

WindowsPanel::WindowsPanel(frmMain& main, CommandPanel& commands, const MainServices& services,
                           const ProgramTextStore& texts)
    : QObject(&main), main_(main), services_(services), texts_(texts) {
  // The CE and JC values choose the data window's European calendar once it exists.
  main.rules().hooks().dataWindowCalendar = [this](char letter) {
    if (data_) data_->SetEuropeanCalendar(letter);
  };
  connect(commands.button("cmdDisplayYearData"), &QPushButton::clicked, this, [this] { Data().DisplayYearData(); });
  const std::pair<const char*, int> lists[] = {{"cmdListLunarNewYears", kModeNewYears},
                                               {"cmdListLeapMonths", kModeMonths},
                                               {"cmdListJulianCENewYears", kModeEuroNewYears}};
  for (const auto& [name, mode] : lists) {
    connect(commands.button(name), &QPushButton::clicked, this, [this, mode = mode] { Data().OpenList(mode); });
  }
  connect(commands.button("cmdTest"), &QPushButton::clicked, this, [this] { Data().DoTest(); });
  connect(commands.button("cmdDisplayCalendar"), &QPushButton::clicked, this, [this] {
    MainRules& rules = main_.rules();
    Calendar().OpenAt(JdnOf(CjdcFromAjd(rules.currentAjd(), rules.reckoner().ReferenceLongitude())), &main_);
  });
}

frmData& WindowsPanel::Data() {
  if (data_) return *data_;
  MainRules& rules = main_.rules();
  DataWindowSources sources;
  sources.inputs = [this, &rules] {
    ListingInputs inputs = InputsOf(rules.reckoner(), rules.currentAjd());
    inputs.epochMethod = main_.EpochMethod(true);
    inputs.zoneLabel = rules.settings().zoneLabel();
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
  sources.mainWindow = &main_;
  sources.texts = &texts_;
  sources.fileDialogs = services_.fileDialogs;
  sources.files = services_.files;
  data_ = new frmData(rules.reckoner(), services_.clipboard, services_.messages, std::move(sources), &main_);
  connect(data_, &frmData::closed, &main_, &frmMain::SetTheFocus);
  return *data_;
}

frmCalendar& WindowsPanel::Calendar() {
  if (calendar_) return *calendar_;
  MainRules& rules = main_.rules();
  CalendarServices services;
  services.messages = services_.messages;
  services.fileDialogs = services_.fileDialogs;
  services.showVmc = [&rules] { return rules.settings().showVmc; };
  services.currentDay = [&rules] {
    return JdnOf(CjdcFromAjd(rules.currentAjd(), rules.reckoner().ReferenceLongitude()));
  };
  calendar_ = new frmCalendar(rules.reckoner(), std::move(services), &main_);
  return *calendar_;
}

void WindowsPanel::CloseWindows() {
  if (data_) data_->close();
  if (calendar_) calendar_->close();
}

}  // namespace mirvo
