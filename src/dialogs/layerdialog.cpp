#include "dialogs/layerdialog.h"

#include "editor/pagesnippets.h"
#include "platform/htmleditview.h"

#include <QPushButton>
#include <QVBoxLayout>

QString layerBlock()
{
    return PageSnippets::layerElement();
}

LayerDialog::LayerDialog()
    : DialogFrame(QStringLiteral("loading"),
                  QStringLiteral("Insert Layer - Drag drop to composer"))
{
    auto *layout = new QVBoxLayout(this);
    txtLayer = new HtmlEditView(this);
    txtLayer->setObjectName(QStringLiteral("txtLayer"));
    // A drag from here carries the whole block.
    txtLayer->setStagingMode(true);
    // The block's outline shows how large the layer is.
    txtLayer->setShowDetails(true);
    txtLayer->setMinimumSize(240, 140);
    layout->addWidget(txtLayer, 1);

    btnNewLayer = button(QStringLiteral("btnNewLayer"), QStringLiteral("New Layer"));
    btnHelp = helpButton(QStringLiteral("layer.qhp"));
    btnHelp->setText(QStringLiteral("Show Help"));
    addButtonRow(layout, {btnHelp}, {btnNewLayer});
    connect(btnNewLayer, &QPushButton::clicked, this,
            [this] { txtLayer->setDocumentHtml(layerBlock()); });
}
