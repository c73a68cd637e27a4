#include "app/UBerichtsliste.h"

#include <QHeaderView>

#include <numeric>

int BerichtslisteEinrichten(QTableWidget* tabelle, const QStringList& koepfe, const QList<int>& breiten)
{
    tabelle->setHorizontalHeaderLabels(koepfe);
    for (int i = 0; i < breiten.size(); ++i)
        tabelle->setColumnWidth(i, breiten[i]);
    QHeaderView* kopf = tabelle->horizontalHeader();
    kopf->setSectionsClickable(false);
    kopf->setHighlightSections(false);
    kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tabelle->verticalHeader()->hide();
    tabelle->verticalHeader()->setDefaultSectionSize(20);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setSortingEnabled(false);
    return std::accumulate(breiten.cbegin(), breiten.cend(), 0);
}

void ZeileSetzen(QTableWidget* tabelle, int zeile, void* datensatz, const QStringList& texte)
{
    for (int spalte = 0; spalte < texte.size(); ++spalte) {
        auto* zelle = new QTableWidgetItem(texte[spalte]);
        zelle->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        if (spalte == 0)
            zelle->setData(Qt::UserRole, QVariant::fromValue(datensatz));
        tabelle->setItem(zeile, spalte, zelle);
    }
}
