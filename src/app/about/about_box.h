#pragma once

#include <QDialog>

class HyperLink;

// The about box: program name and version, and links to write to us and to visit our homepage.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kMailAddress = "levels@example.org";
  static constexpr const char* kHomepage = "https://cavernia.example.org/";

  explicit AboutBox(QWidget* parent = nullptr);

  HyperLink* homepageLink() const { return m_homepage; }
  HyperLink* mailLink() const { return m_mail; }

 private:
  HyperLink* m_homepage = nullptr;
  HyperLink* m_mail = nullptr;
};
