#pragma once

#include <QDialog>

class CHyperLink;

// The about box: program name and version, and links to write to us and to visit our homepage.
class CAboutBox : public QDialog {
  Q_OBJECT
 public:
  static constexpr int IDC_MAIL_LINK = 1020;
  static constexpr int IDC_HOMEPAGE_LINK = 1021;
  static constexpr const char* kMailAddress = "levels@example.org";
  static constexpr const char* kHomepage = "https://cavernia.example.org/";

  explicit CAboutBox(QWidget* parent = nullptr);

  CHyperLink* HomepageLink() const { return m_homepage; }
  CHyperLink* MailLink() const { return m_mail; }

 private:
  CHyperLink* m_homepage = nullptr;
  CHyperLink* m_mail = nullptr;
};
