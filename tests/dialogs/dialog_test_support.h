#pragma once
// Shared by the dialog tests: one QApplication for the test program, a recorder for the
// messages the data exchange raises, and helpers to drive dialogs and type into their fields.

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/data_exchange.h"

namespace velk::testing {

// Created on first use; lives until the program ends.
inline QApplication& App() {
  static int argc = 1;
  static char name[] = "dialogs_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Collects every data-exchange message while it lives.
class MessageRecorder {
 public:
  MessageRecorder() {
    m_previous =
        SetExchangeMessageSink([this](const char* text, QWidget*) { messages.emplace_back(text); });
  }
  ~MessageRecorder() { SetExchangeMessageSink(std::move(m_previous)); }
  std::vector<std::string> messages;

 private:
  ExchangeMessageSink m_previous;
};

// Polls until a modal dialog of type T is up, then runs `drive` on it once. Unlike a single
// timer this also finds a dialog that a command opens after an earlier one has closed.
template <typename T>
void DriveWhenUp(std::function<void(T*)> drive) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, drive] {
    if (T* w = qobject_cast<T*>(QApplication::activeModalWidget()); w && w->isVisible()) {
      timer->stop();
      timer->deleteLater();
      drive(w);
    }
  });
  timer->start();
}

// Replaces a field's text the way an operator does: select all, type over it.
inline void TypeOver(QLineEdit* e, const QString& text) {
  e->setFocus();
  e->selectAll();
  QTest::keyClicks(e, text);
}

// The line edit with the given historical control number.
inline QLineEdit* EditById(QWidget* w, int id) {
  return w->findChild<QLineEdit*>(QString::number(id));
}

}  // namespace velk::testing
