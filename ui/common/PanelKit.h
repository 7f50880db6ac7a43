// Small helpers shared by the windows and panels: text conversion, named controls (the
// control names are how tests and readers find them), list filling and the text colours of the
// window's two-tone captions.
#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "features/tables/MainTables.h"
#include "platform/qt/QtTranslate.h"

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
inline QString ArrayName(std::string_view name, int index) { return Q(name) + '_' + QString::number(index); }

// A control that is shown and hidden keeps its place in the layout while hidden, so that nothing
// around it moves when it appears.
template <typename T>
T* KeepPlace(T* w) {
  QSizePolicy policy = w->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  w->setSizePolicy(policy);
  return w;
}

template <typename T>
T* Named(T* w, const QString& name) {
  w->setObjectName(name);
  return w;
}

// The captions are set by the windows' Retranslate, in the window's language.
inline QPushButton* Button(const char* name) { return Named(new QPushButton, name); }
inline QCheckBox* Check(const char* name) { return Named(new QCheckBox, name); }

inline QComboBox* Combo(const char* name) {
  auto* c = Named(new QComboBox, name);
  c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return c;
}

// Entries of the Qt-free tables are English; with a context they are shown in the window's
// language (TranslateText), without one as they are (numbers, codes).
inline QString ListText(const std::string& entry, const char* context) {
  return context ? TranslateText(context, entry) : Q(entry);
}

inline void FillList(QComboBox* box, const std::vector<std::string>& entries, const char* context = nullptr) {
  const QSignalBlocker block(box);
  box->clear();
  for (const auto& e : entries) box->addItem(ListText(e, context));
}

// The texts of a filled list again (after a change of language or of country), keeping the
// entry chosen and running no change handler.
inline void RetitleList(QComboBox* box, const std::vector<std::string>& entries,
                        const char* context = nullptr) {
  const QSignalBlocker block(box);
  for (int i = 0; i < box->count() && i < static_cast<int>(entries.size()); ++i) {
    box->setItemText(i, ListText(entries[static_cast<size_t>(i)], context));
  }
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

// Esc in the window does what the button does (Close, or Stop of a running move) while the button
// is offered. It is taken when it reaches the window: a control that uses Esc itself (an open
// list) keeps it.
class EscapeClicks : public QObject {
 public:
  EscapeClicks(QWidget* window, QAbstractButton* button) : QObject(window), button_(button) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape ||
        static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier || !button_ || !button_->isVisible() ||
        !button_->isEnabled()) {
      return QObject::eventFilter(watched, event);
    }
    button_->click();
    return true;
  }

 private:
  QPointer<QAbstractButton> button_;
};

inline void ClickOnEscape(QWidget* window, QAbstractButton* button) { new EscapeClicks(window, button); }

// A key released in a widget runs an action while offered() says so (and goes no further then).
class KeyReleaseAction : public QObject {
 public:
  KeyReleaseAction(QWidget* widget, int key, std::function<bool()> offered, std::function<void()> action)
      : QObject(widget), key_(key), offered_(std::move(offered)), action_(std::move(action)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == key_ && offered_()) {
      action_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  int key_;
  std::function<bool()> offered_;
  std::function<void()> action_;
};

inline void OnKeyRelease(QWidget* widget, int key, std::function<bool()> offered,
                         std::function<void()> action) {
  new KeyReleaseAction(widget, key, std::move(offered), std::move(action));
}

// Two option buttons in a group; checking the first or the second runs changed(first checked).
template <typename Receiver, typename Slot>
QButtonGroup* OptionPair(QObject* owner, QAbstractButton* first, QAbstractButton* second, Receiver* receiver,
                         Slot changed) {
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

// Takes named controls of a window away for a while (disabled, or hidden) and later gives back
// exactly the state it took, so that a control that was not offered before is not offered after.
class ControlLock {
 public:
  void Lock(QWidget* window, std::initializer_list<const char*> disable,
            std::initializer_list<const char*> hide) {
    Release();
    for (const char* name : disable) Take(window, name, true);
    for (const char* name : hide) Take(window, name, false);
  }
  void Release() {
    for (const auto& t : taken_) {
      if (!t.widget) continue;
      if (t.disabled)
        t.widget->setEnabled(t.was);
      else
        t.widget->setVisible(t.was);
    }
    taken_.clear();
  }

 private:
  struct Taken {
    QPointer<QWidget> widget;
    bool disabled;
    bool was;
  };
  void Take(QWidget* window, const char* name, bool disable) {
    QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!w) return;
    if (disable) {
      taken_.push_back({w, true, !w->testAttribute(Qt::WA_ForceDisabled)});
      w->setEnabled(false);
    } else {
      taken_.push_back({w, false, !w->isHidden()});
      KeepPlace(w);
      w->hide();
    }
  }
  std::vector<Taken> taken_;
};

}  // namespace mirvo
