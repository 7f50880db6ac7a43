// Small helpers shared by the panels of the main window: text conversion, named controls (the
// control names are how tests and readers find them), list filling and the text colours of the
// window's two-tone captions.
#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <string>
#include <string_view>
#include <vector>

#include "ui/main/MainTables.h"

namespace mirvo {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
inline std::string S(const QString& s) { return s.toStdString(); }
inline QColor ToColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

inline void SetTextColour(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Active, QPalette::WindowText, c);
  p.setColor(QPalette::Inactive, QPalette::WindowText, c);
  w->setPalette(p);
}

// The window in the country colour with white texts; disabled texts are white mixed into the
// background, readable but plainly not active.
inline void ApplyCountryPalette(QWidget* window, const QColor& colour) {
  QPalette p = window->palette();
  p.setColor(QPalette::Window, colour);
  p.setColor(QPalette::WindowText, Qt::white);
  const auto mix = [](int c) { return (c * 45 + 255 * 55) / 100; };
  p.setColor(QPalette::Disabled, QPalette::WindowText,
             QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue())));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(112, 112, 112));
  window->setPalette(p);
  window->setAutoFillBackground(true);
}

// The name used for one element of a two-element control array: "lblCommonEraDate_1".
inline QString ArrayName(std::string_view name, int index) {
  return Q(name) + '_' + QString::number(index);
}

template <typename T>
T* Named(T* w, const QString& name) {
  w->setObjectName(name);
  return w;
}

inline QPushButton* Button(const char* name, const char* caption) {
  return Named(new QPushButton(QString::fromUtf8(caption)), name);
}

inline QCheckBox* Check(const char* name, const char* caption) {
  return Named(new QCheckBox(QString::fromUtf8(caption)), name);
}

inline QComboBox* Combo(const char* name) {
  auto* c = Named(new QComboBox, name);
  c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return c;
}

inline QLabel* Caption(const char* text) { return new QLabel(QString::fromUtf8(text)); }

inline void FillList(QComboBox* box, const std::vector<std::string>& entries) {
  const QSignalBlocker block(box);
  box->clear();
  for (const auto& e : entries) box->addItem(Q(e));
}

// Selects an entry without running the list's change handlers.
inline void SetIndexQuietly(QComboBox* box, int index) {
  const QSignalBlocker block(box);
  box->setCurrentIndex(index);
}

inline void SetCheckedQuietly(QAbstractButton* b, bool checked) {
  const QSignalBlocker block(b);
  b->setChecked(checked);
}

// The selected one of two option buttons is written in white, the other in grey.
inline void HighlightOptionPair(QButtonGroup* group) {
  for (QAbstractButton* b : group->buttons()) {
    SetTextColour(b, ToColor(b->isChecked() ? kHighlightColour : kDehighlightColour));
  }
}

// Two option buttons in a group; checking the first or the second runs changed(first checked).
template <typename Receiver, typename Slot>
QButtonGroup* OptionPair(QObject* owner, QAbstractButton* first, QAbstractButton* second,
                         Receiver* receiver, Slot changed) {
  auto* group = new QButtonGroup(owner);
  group->addButton(first);
  group->addButton(second);
  QObject::connect(group, &QButtonGroup::buttonToggled, receiver,
                   [group, first, changed](QAbstractButton*, bool checked) {
                     if (!checked) return;
                     HighlightOptionPair(group);
                     changed(first->isChecked());
                   });
  return group;
}

}  // namespace mirvo
