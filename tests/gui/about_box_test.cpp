#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

#include "app/about/about_box.h"
#include "app/about/hyper_link.h"
#include "app/commands/command_ids.h"
#include "gui_support.h"

namespace {

// Takes the URLs the desktop would open, for the schemes it is registered for.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  explicit UrlCatcher(const QStringList& schemes) : m_schemes(schemes) {
    for (const QString& scheme : m_schemes) QDesktopServices::setUrlHandler(scheme, this, "Open");
  }
  ~UrlCatcher() override {
    for (const QString& scheme : m_schemes) QDesktopServices::unsetUrlHandler(scheme);
  }
  QStringList opened;
 public slots:
  void Open(const QUrl& url) { opened << url.toString(); }

 private:
  QStringList m_schemes;
};

QColor TextColour(const CHyperLink& link) { return link.palette().color(QPalette::WindowText); }

QPoint Middle(const QWidget& widget) { return widget.rect().center(); }

}  // namespace

TEST(AboutBox, ShowsNameVersionAndBothLinks) {
  EditorSession session;
  CAboutBox box(&session.Frame());
  box.show();
  Settle();
  EXPECT_EQ(box.windowTitle(), "About Cavernia Level Editor");
  QStringList texts;
  for (QLabel* label : box.findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains("Cavernia Level Editor, Version 0.9"));
  CHyperLink& mail = *box.MailLink();
  CHyperLink& homepage = *box.HomepageLink();
  EXPECT_EQ(mail.text(), CAboutBox::kMailAddress);
  EXPECT_EQ(mail.URL(), QString("mailto:") + CAboutBox::kMailAddress);
  EXPECT_EQ(mail.toolTip(), mail.URL());
  EXPECT_EQ(homepage.URL(), CAboutBox::kHomepage);
  EXPECT_EQ(homepage.toolTip(), CAboutBox::kHomepage);
  for (CHyperLink* link : {&mail, &homepage}) {
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(TextColour(*link), QColor(0, 0, 255));
    EXPECT_EQ(link->width(), QFontMetrics(link->font()).horizontalAdvance(link->text()))
        << "only the text itself reacts to the mouse";
    EXPECT_FALSE(link->focusPolicy() & Qt::TabFocus) << "links are not in the tab order";
    EXPECT_TRUE(box.rect().contains(link->geometry()));
  }
  // Every static text fits inside the box.
  for (QLabel* label : box.findChildren<QLabel*>()) EXPECT_TRUE(box.rect().contains(label->geometry())) << label->text().toStdString();
}

TEST(AboutBox, ClickedLinkOpensAndStaysTealUntilTheFocusMoves) {
  EditorSession session;
  UrlCatcher catcher({"mailto", "https"});
  CAboutBox box(&session.Frame());
  box.show();
  box.activateWindow();
  Settle();
  CHyperLink& mail = *box.MailLink();
  QTest::mouseClick(&mail, Qt::LeftButton, {}, Middle(mail));
  EXPECT_EQ(catcher.opened, QStringList{QString("mailto:") + CAboutBox::kMailAddress});
  EXPECT_TRUE(mail.IsActive());
  EXPECT_EQ(TextColour(mail), QColor(0, 128, 128));
  // While it has the focus, Space opens it again; Tab moves on and the link turns blue.
  QTest::keyClick(&mail, Qt::Key_Space);
  EXPECT_EQ(catcher.opened.size(), 2);
  box.findChild<QPushButton*>()->setFocus();
  Settle();
  EXPECT_FALSE(mail.IsActive());
  EXPECT_EQ(TextColour(mail), QColor(0, 0, 255));

  // Pressing on a link and letting go elsewhere opens nothing; the link keeps the focus.
  CHyperLink& homepage = *box.HomepageLink();
  QTest::mousePress(&homepage, Qt::LeftButton, {}, Middle(homepage));
  QTest::mouseRelease(&homepage, Qt::LeftButton, {}, QPoint(homepage.width() + 20, -10));
  EXPECT_EQ(catcher.opened.size(), 2);
  EXPECT_TRUE(homepage.IsActive());
  EXPECT_EQ(TextColour(homepage), QColor(0, 128, 128));
}

TEST(AboutBox, LinkThatCannotBeOpenedIsReported) {
  qunsetenv("BROWSER");
  EditorSession session;
  CHyperLink link;
  link.setText("nowhere");
  link.SetURL("cavernia-nowhere:levels");
  link.show();
  Settle();
  MessageCatcher catcher;
  EXPECT_FALSE(link.OpenLink());
  ASSERT_EQ(catcher.texts.size(), 1);
  EXPECT_TRUE(catcher.texts[0].startsWith("Can't open link:\n\n")) << catcher.texts[0].toStdString();
  EXPECT_EQ(catcher.texts[0].mid(18), CHyperLink::FailureText(31));
  EXPECT_EQ(CHyperLink::FailureText(26), "A sharing violation occurred. ");
  EXPECT_EQ(CHyperLink::FailureText(99), "Unknown Error (99) occurred.");
}

TEST(AboutBox, TheAboutCommandOpensTheBox) {
  EditorSession session;
  bool seen = false;
  QTimer::singleShot(50, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<CAboutBox*>(widget); box && box->isVisible()) {
        seen = true;
        box->accept();
      }
  });
  EXPECT_TRUE(App().Router()->Query(cmd::APP_ABOUT).enabled);
  App().Router()->Execute(cmd::APP_ABOUT);
  EXPECT_TRUE(seen);
}

#include "about_box_test.moc"
