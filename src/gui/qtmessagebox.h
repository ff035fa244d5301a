#pragma once
// Message boxes on screen: a QMessageBox titled "Varnel" with one OK button and no icon.

#include "model/messagebox.h"

class QWidget;

namespace varnel {

inline constexpr const char* kApplicationTitle = "Varnel";

class QtMessageBox : public MessageBox {
  public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void show(std::string_view text) override;
    // In the user's language.
    void say(const Message& message) override;

  private:
    QWidget* m_parent;
};

}  // namespace varnel
