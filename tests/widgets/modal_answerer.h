#pragma once
// Answers whatever modal window comes up, as a patient player would: the
// default button of every message box and dialog, a suit where one must be
// picked. It keeps a log of what it answered.

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

namespace zunpa::testing {

// The default button of a message box or dialog, after a suit where one
// must be picked.
void AnswerAsAPatientPlayer(QWidget* modal);

class ModalAnswerer : public QObject {
 public:
  explicit ModalAnswerer(QObject* parent = nullptr);
  // Called with each dialog before its default button is pressed.
  void OnDialog(std::function<void(QWidget*)> inspect) { inspect_ = std::move(inspect); }
  // "title: text" of every message box answered, in order.
  const QStringList& messages() const { return messages_; }
  // The object names of the dialogs answered, in order.
  const QStringList& dialogs() const { return dialogs_; }
  void Stop() { timer_.stop(); }

 private:
  void AnswerActiveModal();
  QTimer timer_;
  std::function<void(QWidget*)> inspect_;
  QStringList messages_;
  QStringList dialogs_;
};

}  // namespace zunpa::testing
