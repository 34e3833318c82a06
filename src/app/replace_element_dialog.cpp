#include "app/replace_element_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/element_icons.h"
#include "level/elements.h"
#include "render/model_texts.h"

ReplaceElementDialog::ReplaceElementDialog(int element, const ArtworkSet& artwork, QSize marked, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Replace Element"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  m_replaced = elementList(isElement(element) ? element : 0, artwork);
  m_replacement = elementList(0, artwork);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  auto* replacedLabel = new QLabel(tr("&Replace"), this);
  auto* replacementLabel = new QLabel(tr("&With"), this);
  replacedLabel->setBuddy(m_replaced);
  replacementLabel->setBuddy(m_replacement);
  layout->addWidget(replacedLabel, 0, 0);
  layout->addWidget(replacementLabel, 0, 1);
  layout->addWidget(m_replaced, 1, 0);
  layout->addWidget(m_replacement, 1, 1);
  auto* inLevel = new QRadioButton(tr("in the whole &level"), this);
  inLevel->setChecked(true);
  layout->addWidget(inLevel, 2, 0, 1, 2);
  if (marked.width() * marked.height() > 1) {
    m_inMarkedBlock = new QRadioButton(
        tr("in the marked &block (%1 x %2)").arg(marked.width()).arg(marked.height()), this);
    m_inMarkedBlock->setChecked(true);
    layout->addWidget(m_inMarkedBlock, 3, 0, 1, 2);
  }
  layout->addWidget(buttons, 4, 0, 1, 2);

  const auto showChoice = [this] { m_ok->setEnabled(replaced() != replacement()); };
  connect(m_replaced, &QListWidget::currentRowChanged, this, showChoice);
  connect(m_replacement, &QListWidget::currentRowChanged, this, showChoice);
  showChoice();
}

QListWidget* ReplaceElementDialog::elementList(int chosen, const ArtworkSet& artwork) {
  auto* list = new QListWidget(this);
  for (const ElementInfo& info : elementTable())
    list->addItem(new QListWidgetItem(elementIcon(artwork, info.index), translated::elementName(info.index)));
  list->setCurrentRow(chosen);
  list->setMinimumWidth(list->sizeHintForColumn(0) + 40);
  return list;
}

int ReplaceElementDialog::replaced() const { return m_replaced->currentRow(); }
int ReplaceElementDialog::replacement() const { return m_replacement->currentRow(); }
bool ReplaceElementDialog::inMarkedBlock() const { return m_inMarkedBlock && m_inMarkedBlock->isChecked(); }
