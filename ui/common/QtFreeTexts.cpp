// The English texts of the Qt-free layers that the windows show, marked for Qt's translation
// tools. Those layers cannot include Qt, so their texts are listed here for lupdate; the windows
// translate them at the edge with TranslateText, by context. A text written with %1, %2 … is one
// the rules write with numbers in those places. Nothing reads these arrays: a window test checks
// that every text the tables produce has a translation, so that a text changed there is noticed.
#include <QtGlobal>

namespace mirvo {
namespace {

// features/tables: the lists of the main window.
[[maybe_unused]] constexpr const char* kTables[] = {
    QT_TRANSLATE_NOOP("Tables", "Vietnam"),
    QT_TRANSLATE_NOOP("Tables", "China"),
    QT_TRANSLATE_NOOP("Tables", "Japan"),
    QT_TRANSLATE_NOOP("Tables", "-%1 = %2 BC"),
    QT_TRANSLATE_NOOP("Tables", "true sun"),
    QT_TRANSLATE_NOOP("Tables", "mean sun"),
    QT_TRANSLATE_NOOP("Tables", "minute"),
    QT_TRANSLATE_NOOP("Tables", "hour"),
    QT_TRANSLATE_NOOP("Tables", "day"),
    QT_TRANSLATE_NOOP("Tables", "CE month"),
    QT_TRANSLATE_NOOP("Tables", "CE year"),
    QT_TRANSLATE_NOOP("Tables", "CE century"),
    QT_TRANSLATE_NOOP("Tables", "CHL month"),
    QT_TRANSLATE_NOOP("Tables", "CHL year"),
    QT_TRANSLATE_NOOP("Tables", "60-year cycle (CHL)"),
    QT_TRANSLATE_NOOP("Tables", "CHS solar term"),
    QT_TRANSLATE_NOOP("Tables", "CHS year"),
    QT_TRANSLATE_NOOP("Tables", "60-year cycle (CHS)"),
    QT_TRANSLATE_NOOP("Tables", "60-day cycle"),
    QT_TRANSLATE_NOOP("Tables", "80-year cycle (JC)"),
    QT_TRANSLATE_NOOP("Tables", "VMC month (ICT)"),
    QT_TRANSLATE_NOOP("Tables", "VMC year (ICT)"),
    QT_TRANSLATE_NOOP("Tables", "VMC month (CCT)"),
    QT_TRANSLATE_NOOP("Tables", "VMC year (CCT)"),
    QT_TRANSLATE_NOOP("Tables", "VMC month (JST)"),
    QT_TRANSLATE_NOOP("Tables", "VMC year (JST)"),
    QT_TRANSLATE_NOOP("Tables", "Full moon"),
    QT_TRANSLATE_NOOP("Tables", "Dark moon"),
    QT_TRANSLATE_NOOP("Tables", "Lunar quarter"),
    QT_TRANSLATE_NOOP("Tables", "Lunar new year"),
    QT_TRANSLATE_NOOP("Tables", "Winter solstice"),
    QT_TRANSLATE_NOOP("Tables", "Vernal equinox"),
    QT_TRANSLATE_NOOP("Tables", "Summer solstice"),
    QT_TRANSLATE_NOOP("Tables", "Autumnal equinox"),
    QT_TRANSLATE_NOOP("Tables", "Solstice or equinox"),
    QT_TRANSLATE_NOOP("Tables", "Solar term"),
    QT_TRANSLATE_NOOP("Tables", "Solar term + dark moon"),
    QT_TRANSLATE_NOOP("Tables", "Solar term + full moon"),
    QT_TRANSLATE_NOOP("Tables", "Winter solstice + dark moon"),
    QT_TRANSLATE_NOOP("Tables", "Solstice/equinox + dark moon"),
    QT_TRANSLATE_NOOP("Tables", "Solstice/equinox + full moon"),
    QT_TRANSLATE_NOOP("Tables", "Element-animal day"),
    QT_TRANSLATE_NOOP("Tables", "Element-animal month"),
    QT_TRANSLATE_NOOP("Tables", "Element-animal year"),
    QT_TRANSLATE_NOOP("Tables", "Triple coincidence day"),
    QT_TRANSLATE_NOOP("Tables", "Same element-animal day and month"),
    QT_TRANSLATE_NOOP("Tables", "Multiple element-animal day"),
    QT_TRANSLATE_NOOP("Tables", "Intercalary month"),
};

// features/display: the captions of the rows.
[[maybe_unused]] constexpr const char* kDisplay[] = {
    QT_TRANSLATE_NOOP("Display", "Common Era (Gregorian):"),
    QT_TRANSLATE_NOOP("Display", "Julian Calendar:"),
    QT_TRANSLATE_NOOP("Display", "Chinese Lunar:"),
    QT_TRANSLATE_NOOP("Display", "Chinese Solar:"),
    QT_TRANSLATE_NOOP("Display", "Vietnamese Lunar:"),
    QT_TRANSLATE_NOOP("Display", "Vietnamese Solar:"),
    QT_TRANSLATE_NOOP("Display", "Japanese Lunar:"),
    QT_TRANSLATE_NOOP("Display", "Japanese Solar:"),
    QT_TRANSLATE_NOOP("Display", "Vellomir Calendar:"),
    QT_TRANSLATE_NOOP("Display", "Chronological JD London:"),
    QT_TRANSLATE_NOOP("Display", "Chronological JD %1º East"),
    QT_TRANSLATE_NOOP("Display", "Astronomical Julian date:"),
    QT_TRANSLATE_NOOP("Display", "Phase of Moon, illumination:"),
    QT_TRANSLATE_NOOP("Display", "[Lunation] Age of Moon:"),
    QT_TRANSLATE_NOOP("Display", "Delta T:"),
    QT_TRANSLATE_NOOP("Display", "Year %1"),
    QT_TRANSLATE_NOOP("Display", "VMC month & day same as CHL"),
    QT_TRANSLATE_NOOP("Display", "VMC date %1 day ahead of CHL"),
    QT_TRANSLATE_NOOP("Display", "VMC date %1 day behind CHL"),
    QT_TRANSLATE_NOOP("Display", "VMC date %1 month ahead of CHL"),
    QT_TRANSLATE_NOOP("Display", "VMC date %1 month behind CHL"),
    QT_TRANSLATE_NOOP("Display", "VMC month no. same as CHL"),
    QT_TRANSLATE_NOOP("Display", "VMC day no. same as CHL"),
};

// features/listings and features/export: the data window's titles and running captions.
[[maybe_unused]] constexpr const char* kListings[] = {
    QT_TRANSLATE_NOOP("Listings", "Dates, times and CJDs of dark moons and solar terms"),
    QT_TRANSLATE_NOOP("Listings", "Lunar new years & anniversaries"),
    QT_TRANSLATE_NOOP("Listings", "Lunar month starts & leap months"),
    QT_TRANSLATE_NOOP("Listings", "Julian and CE new years"),
    QT_TRANSLATE_NOOP("Listings", "Test"),
    QT_TRANSLATE_NOOP("Listings", "Save as iCalendar…"),
    QT_TRANSLATE_NOOP("Listings", "years     Calculating ..."),
    QT_TRANSLATE_NOOP("Listings", "years     Calculating ... year %1"),
    QT_TRANSLATE_NOOP("Listings", "years     Calculating ... year -%1"),
};

// features/monthpage: the headings of the month page.
[[maybe_unused]] constexpr const char* kMonthView[] = {
    QT_TRANSLATE_NOOP("MonthView", "Lunaday"),
    QT_TRANSLATE_NOOP("MonthView", "One quarter of the lunar month in each row"),
};

// features/log: the choices of the log configuration.
[[maybe_unused]] constexpr const char* kLog[] = {
    QT_TRANSLATE_NOOP("Log", "Expanded log entries"),
    QT_TRANSLATE_NOOP("Log", "Include Chinese terms"),
    QT_TRANSLATE_NOOP("Log", "View log after adding an entry"),
    QT_TRANSLATE_NOOP("Log", "ChL (Chinese Lunar Calendar)"),
    QT_TRANSLATE_NOOP("Log", "ChS (Chinese Solar Calendar)"),
    QT_TRANSLATE_NOOP("Log", "CJDC (Chronological Julian Date, China)"),
    QT_TRANSLATE_NOOP("Log", "Epoch, method, longitude"),
    QT_TRANSLATE_NOOP("Log", "CE (Common Era Calendar)"),
    QT_TRANSLATE_NOOP("Log", "JC (Julian Calendar)"),
    QT_TRANSLATE_NOOP("Log", "CJDL (Chronological Julian Date, London)"),
    QT_TRANSLATE_NOOP("Log", "AJD (Astronomical Julian Date)"),
    QT_TRANSLATE_NOOP("Log", "Phase of Moon and illumination"),
    QT_TRANSLATE_NOOP("Log", "Lunation and age of Moon"),
};

// features/search: the multiple element-animal window's list of spans.
[[maybe_unused]] constexpr const char* kSearch[] = {
    QT_TRANSLATE_NOOP("Search", "within %1 year"),
    QT_TRANSLATE_NOOP("Search", "within %1 years"),
};

// util: the program texts file's captions (the file may be changed; a changed text shows as it is).
[[maybe_unused]] constexpr const char* kProgramTexts[] = {
    QT_TRANSLATE_NOOP("ProgramTexts", "Copy selected text to clipboard"),
    QT_TRANSLATE_NOOP("ProgramTexts", "Copy to clipboard"),
    QT_TRANSLATE_NOOP("ProgramTexts", "years"),
    QT_TRANSLATE_NOOP("ProgramTexts", "Close"),
    QT_TRANSLATE_NOOP("ProgramTexts", "Error in listing"),
};

// The titles and filters of the Save dialogs the rules open.
[[maybe_unused]] constexpr const char* kFileDialogs[] = {
    QT_TRANSLATE_NOOP("FileDialogs", "Save the listed dates as an iCalendar file"),
    QT_TRANSLATE_NOOP("FileDialogs", "iCalendar file (*.ics)"),
    QT_TRANSLATE_NOOP("FileDialogs", "Save image of this calendar month as a PNG file"),
    QT_TRANSLATE_NOOP("FileDialogs", "PNG graphics file (*.png)"),
};

// The messages of the rules: titles, then texts line by line.
[[maybe_unused]] constexpr const char* kMessages[] = {
    QT_TRANSLATE_NOOP("Messages", "Error"),
    QT_TRANSLATE_NOOP("Messages", "Failed"),
    QT_TRANSLATE_NOOP("Messages", "Search"),
    QT_TRANSLATE_NOOP("Messages", "Invalid"),
    QT_TRANSLATE_NOOP("Messages", "Inability"),
    QT_TRANSLATE_NOOP("Messages", "Out of range"),
    QT_TRANSLATE_NOOP("Messages", "Invalid input"),
    QT_TRANSLATE_NOOP("Messages", "Not found"),
    QT_TRANSLATE_NOOP("Messages", "Convert date"),
    QT_TRANSLATE_NOOP("Messages", "Invalid date or time entry"),
    QT_TRANSLATE_NOOP("Messages", "Date out of range"),
    QT_TRANSLATE_NOOP("Messages", "Calendar?"),
    QT_TRANSLATE_NOOP("Messages", "Save state"),
    QT_TRANSLATE_NOOP("Messages", "Restore state"),
    QT_TRANSLATE_NOOP("Messages", "Save image"),
    QT_TRANSLATE_NOOP("Messages", "Save as iCalendar"),
    QT_TRANSLATE_NOOP("Messages", "Cannot launch web browser"),
    QT_TRANSLATE_NOOP("Messages", "Error in listing"),

    QT_TRANSLATE_NOOP("Messages", "Calendar dates unchanged."),
    QT_TRANSLATE_NOOP("Messages", "No date specified."),
    QT_TRANSLATE_NOOP("Messages", "Calendar must be specified (one of CHL, CHS, CE, JC, VMC, CJDL, CJDC, AJD)."),
    QT_TRANSLATE_NOOP("Messages", "Time specification not permitted in date string."),
    QT_TRANSLATE_NOOP("Messages", "Invalid time specification.  Times must be, e.g., %1:%2."),
    QT_TRANSLATE_NOOP("Messages", "Date separator must be a dash, '-'."),
    QT_TRANSLATE_NOOP("Messages", "Invalid CE date.  CE dates must be in ISO %1 format: year-month-day"),
    QT_TRANSLATE_NOOP("Messages", "Invalid JC date.  JC dates must be in ISO %1 format: year-month-day"),
    QT_TRANSLATE_NOOP("Messages", "Invalid VMC date.  VMC dates must be in ISO %1 format: year-month-day"),
    QT_TRANSLATE_NOOP("Messages", "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'"),
    QT_TRANSLATE_NOOP("Messages", "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'."),
    QT_TRANSLATE_NOOP("Messages", "or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. %1."),
    QT_TRANSLATE_NOOP("Messages", "Or use '?' for position with a specified element-animal, e.g., %1-?-%2-%3,"),
    QT_TRANSLATE_NOOP("Messages", "and specify element-animal using the drop-down boxes."),
    QT_TRANSLATE_NOOP("Messages", "Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day"),
    QT_TRANSLATE_NOOP("Messages", "Invalid CJDL, CJDC, or AJD date.  These must be, e.g., %1.%2 CJDL or %3,%4,%5 AJD."),
    QT_TRANSLATE_NOOP("Messages", "Error when parsing date string."),
    QT_TRANSLATE_NOOP("Messages", "Invalid CHL date.  Day number exceeds number of days in the month."),
    QT_TRANSLATE_NOOP("Messages", "Invalid plus/minus days."),
    QT_TRANSLATE_NOOP("Messages", "Date too early."),
    QT_TRANSLATE_NOOP("Messages", "Date is earlier than -%1-%2-%3 CE."),
    QT_TRANSLATE_NOOP("Messages", "Date is later than %1-%2-%3 CE."),
    QT_TRANSLATE_NOOP("Messages", "Earliest admissible date reached."),
    QT_TRANSLATE_NOOP("Messages", "Latest admissible date reached."),
    QT_TRANSLATE_NOOP("Messages", "Earliest date exceeded."),
    QT_TRANSLATE_NOOP("Messages", "Latest date exceeded."),
    QT_TRANSLATE_NOOP("Messages", "Earliest date reached."),
    QT_TRANSLATE_NOOP("Messages", "Latest date reached."),
    QT_TRANSLATE_NOOP("Messages", "Unable to add a lunar month."),
    QT_TRANSLATE_NOOP("Messages", "Unable to subtract a lunar month."),
    QT_TRANSLATE_NOOP("Messages", "Unable to add a lunar year."),
    QT_TRANSLATE_NOOP("Messages", "Unable to subtract a lunar year."),
    QT_TRANSLATE_NOOP("Messages", "Unable to add a %1-year cycle (CHL)."),
    QT_TRANSLATE_NOOP("Messages", "Unable to subtract a %1-year cycle (CHL)."),
    QT_TRANSLATE_NOOP("Messages", "Unable to add a solar term."),
    QT_TRANSLATE_NOOP("Messages", "Unable to subtract a solar term."),
    QT_TRANSLATE_NOOP("Messages", "Unable to add a solar year."),
    QT_TRANSLATE_NOOP("Messages", "Unable to subtract a solar year."),
    QT_TRANSLATE_NOOP("Messages", "Unable to add a %1-year cycle (CHS)."),
    QT_TRANSLATE_NOOP("Messages", "Unable to subtract a %1-year cycle (CHS)."),
    QT_TRANSLATE_NOOP("Messages", "Unable to add a intercalary month."),
    QT_TRANSLATE_NOOP("Messages", "Unable to subtract a intercalary month."),
    QT_TRANSLATE_NOOP("Messages", "Lunar date is invalid."),
    QT_TRANSLATE_NOOP("Messages", "Solar date is invalid."),
    QT_TRANSLATE_NOOP("Messages", "Invalid lunar date results."),
    QT_TRANSLATE_NOOP("Messages", "Invalid lunar date results"),
    QT_TRANSLATE_NOOP("Messages", "Invalid solar date results."),
    QT_TRANSLATE_NOOP("Messages", "Invalid solar date results"),
    QT_TRANSLATE_NOOP("Messages", "No solar term found in the table of the current year."),
    QT_TRANSLATE_NOOP("Messages", "You must specify an element, an animal or both."),
    QT_TRANSLATE_NOOP("Messages", "Cannot find required dark moon."),
    QT_TRANSLATE_NOOP("Messages", "Cannot find a triple coincidence day."),
    QT_TRANSLATE_NOOP("Messages", "Error %1 in search process when converting lunar date to JDN."),
    QT_TRANSLATE_NOOP("Messages", "You must specify an element or an animal or both"),
    QT_TRANSLATE_NOOP("Messages", "for one or more of: day, month and year"),
    QT_TRANSLATE_NOOP("Messages", "There is no such day within %1 year."),
    QT_TRANSLATE_NOOP("Messages", "There is no such day within %1 years."),
    QT_TRANSLATE_NOOP("Messages", "There is no such day within %1 year of today."),
    QT_TRANSLATE_NOOP("Messages", "There is no such day within %1 years of today."),
    QT_TRANSLATE_NOOP("Messages", "There is no such day before %1-%2-%3 CE, the latest admitted date."),
    QT_TRANSLATE_NOOP("Messages", "There is no such day after -%1-%2-%3 CE, the earliest admitted date."),
    QT_TRANSLATE_NOOP("Messages", "Restore previous log configuration also?"),
    QT_TRANSLATE_NOOP("Messages", "The list holds no dates to save."),
    QT_TRANSLATE_NOOP("Messages", "The iCalendar file could not be written."),
    QT_TRANSLATE_NOOP("Messages", "The dates have been saved in the iCalendar file (%1 event):"),
    QT_TRANSLATE_NOOP("Messages", "The dates have been saved in the iCalendar file (%1 events):"),
    QT_TRANSLATE_NOOP("Messages", "%1 date left out: an iCalendar file holds the years %2 to %3."),
    QT_TRANSLATE_NOOP("Messages", "%1 dates left out: an iCalendar file holds the years %2 to %3."),
    QT_TRANSLATE_NOOP("Messages", "The image has been saved in the PNG file"),
    QT_TRANSLATE_NOOP("Messages", "Save error.  The image has been saved instead in the BMP file"),
    QT_TRANSLATE_NOOP("Messages", "Error when attempting to save image.  Please try again."),
    QT_TRANSLATE_NOOP("Messages", "Error launching web browser, error code = %1."),
    QT_TRANSLATE_NOOP("Messages", "No program to open web pages was found."),
    QT_TRANSLATE_NOOP("Messages", "No program to open this file was found."),
    QT_TRANSLATE_NOOP("Messages", "Out of memory."),
    QT_TRANSLATE_NOOP("Messages", "Please try once more."),
};

}  // namespace
}  // namespace mirvo
