#include "app/disk_change_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

DiskChangeBar::DiskChangeBar(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(255, 236, 179));  // a pale amber every theme shows
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  m_text = new QLabel(this);
  m_text->setWordWrap(true);
  m_reload = new QPushButton(tr("&Reload"), this);
  m_keep = new QPushButton(tr("&Keep my version"), this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->addWidget(m_text, 1);
  layout->addWidget(m_reload);
  layout->addWidget(m_keep);
  connect(m_reload, &QPushButton::clicked, this, &DiskChangeBar::reloadChosen);
  connect(m_keep, &QPushButton::clicked, this, &DiskChangeBar::keepChosen);
  hide();
}

void DiskChangeBar::tell(const QString& text, bool offerReload) {
  m_text->setText(text);
  m_reload->setVisible(offerReload);
  m_keep->setVisible(offerReload);
  show();
}

QString DiskChangeBar::text() const { return m_text->text(); }
