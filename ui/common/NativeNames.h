// The element and animal names the windows list and compose, in the window's language. English
// keeps the Qt-free tables' own texts; the other languages take the calendar's names from
// core/names (木 火 土 金 水, Trâu and Mèo in Vietnam, 猪 in Japan).
#pragma once

#include <QString>
#include <QStringList>

#include "core/chinese/Cycles.h"

namespace mirvo {

// The five elements, then the empty entry of no element.
QStringList ElementListEntries();
// The twelve animals of the country, then the empty entry of no animal.
QStringList AnimalListEntries(Country country);
// An element-animal search target (kFirstElementAnimalTarget ..): "Element-animal day" while
// nothing is chosen, else the element and animal chosen with their stems and branches
// ("wood-rat (jia-zi) day", 木鼠（甲子）日).
QString ElementAnimalTargetText(int target, int element, int animal, Country country);

}  // namespace mirvo
