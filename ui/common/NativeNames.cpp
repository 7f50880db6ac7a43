#include "ui/common/NativeNames.h"

#include <QCoreApplication>

#include "core/chinese/Cycles.h"
#include "core/names/Names.h"
#include "features/entry/EntryModel.h"
#include "features/tables/MainTables.h"
#include "platform/qt/QtTranslate.h"
#include "ui/common/WindowLanguage.h"

namespace mirvo {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QStringList Listed(const std::vector<std::string>& entries) {
  QStringList list;
  for (const auto& e : entries) list << Q(e);
  return list;
}

}  // namespace

QStringList ElementListEntries() {
  const Language language = WindowLanguage();
  if (language == Language::kEnglish) return Listed(ElementEntries());
  QStringList list;
  for (int e = 0; e < 5; ++e) list << Q(names::Element(language, e));
  return list << QString();
}

QStringList AnimalListEntries(Country country) {
  const Language language = WindowLanguage();
  if (language == Language::kEnglish) return Listed(AnimalEntries(country));
  QStringList list;
  for (int a = 0; a < 12; ++a) list << Q(names::Animal(language, country, a));
  return list << QString();
}

QString ElementAnimalTargetText(int target, int element, int animal, Country country) {
  const Language language = WindowLanguage();
  if (language == Language::kEnglish)
    return Q(BuildElementAnimalTargetText(target, element, animal, country));
  const int kind = target - kFirstElementAnimalTarget;
  if (kind < 0 || kind > 2) return QString();
  const bool hasElement = element >= 0 && element < kNoElementEntry;
  const bool hasAnimal = animal >= 0 && animal < kNoAnimalEntry;
  if (!hasElement && !hasAnimal)
    return TranslateText("Tables", SearchTargets()[static_cast<size_t>(target)].text);
  QString name, cycle;
  if (hasElement && hasAnimal) {
    name = QCoreApplication::translate("NativeNames", "%1-%2", "an element and an animal: wood-rat")
               .arg(Q(names::Element(language, element)), Q(names::Animal(language, country, animal)));
    cycle = Q(names::StemBranch(language, PositionOfElementAnimal(element, animal)));
  } else if (hasElement) {
    name = Q(names::Element(language, element));
    cycle = QCoreApplication::translate("NativeNames", "%1 or %2", "the two stems of an element")
                .arg(Q(names::Stem(language, 2 * element + 1)), Q(names::Stem(language, 2 * element + 2)));
  } else {
    name = Q(names::Animal(language, country, animal));
    cycle = Q(names::Branch(language, animal + 1));
  }
  // %1 the element-animal, %2 its stems and branches.
  switch (kind) {
    case 0: return QCoreApplication::translate("NativeNames", "%1 (%2) day").arg(name, cycle);
    case 1: return QCoreApplication::translate("NativeNames", "%1 (%2) month").arg(name, cycle);
    default: return QCoreApplication::translate("NativeNames", "%1 (%2) year").arg(name, cycle);
  }
}

}  // namespace mirvo
