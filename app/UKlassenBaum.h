#pragma once

#include <QHash>
#include <QIcon>
#include <QTreeWidget>

class TKlasse;
class TLehrer;

// One node of the class tree: a class node (level 0) carries its class, a teacher node
// (level 1) its teacher. Each node has an image and a selected image (indexes of the
// main window's image list); the selected one is shown while the node is selected.
class TKnoten : public QTreeWidgetItem
{
public:
    static constexpr int Typ = QTreeWidgetItem::UserType + 1;

    explicit TKnoten(TKlasse* klasse);
    explicit TKnoten(TLehrer* lehrer);

    TKlasse* Klasse = nullptr; // class nodes only
    TLehrer* Lehrer = nullptr; // teacher nodes only

    int Bild() const { return bild; }
    int AuswahlBild() const { return auswahlBild; }
    bool IstKlasse() const { return Klasse != nullptr; }

private:
    friend class TKlassenBaum;
    int bild = -1;
    int auswahlBild = -1;
};

// The selection of a view stays visible while another control has the focus.
void AuswahlImmerZeigen(QWidget* ansicht);

// The node as TKnoten; null for null.
TKnoten* Knoten(QTreeWidgetItem* item);

// The class tree: two levels, multiple selection with Ctrl and Shift restricted to visible
// siblings (a set of class nodes, or a set of teacher nodes of one class). The node chosen
// last (the current item) decides which siblings may stay selected.
class TKlassenBaum : public QTreeWidget
{
    Q_OBJECT

public:
    explicit TKlassenBaum(QWidget* parent = nullptr);

    // The focused node: the current item while it is selected, otherwise the first selected
    // node in tree order; null when nothing is selected.
    TKnoten* FokusKnoten() const;
    // Makes the node the only selected node and the focused node.
    void KnotenWaehlen(QTreeWidgetItem* knoten);
    // Removes from the selection every node that is hidden or no sibling of the focused node.
    void AuswahlBereinigen();
    // Sets image and selected image of a node (indexes of the image list).
    void BilderSetzen(TKnoten* knoten, int bild, int auswahlBild);
    // The class node at a point of the screen (its own node for a teacher node); null
    // outside the tree or below its last node.
    TKnoten* KlasseBei(QPoint global) const;

signals:
    // After every user action that may have changed the selection, once it is clean again.
    void Geklickt();
    // Rows of the teacher list were dropped on the class of this class node.
    void LehrerAbgelegt(TKnoten* klasse);

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void nachBenutzeraktion();
    void beimZuklappen(QTreeWidgetItem* item);
    const QIcon& symbol(int bild, int auswahlBild);

    QHash<int, QIcon> symbole; // image and selected image joined in one icon
};

class QAbstractItemView;

// Dragging rows of the teacher list onto a class of the tree: pressing on a selected row and
// moving the mouse drags all selected rows (instead of extending the selection); the class
// under the mouse is marked, and releasing the button there emits the tree's LehrerAbgelegt.
// A press on a selected row that turns out to be a click selects that row alone.
class TLehrerZiehen : public QObject
{
public:
    TLehrerZiehen(QAbstractItemView* liste, TKlassenBaum* baum);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    bool gedrueckt(const QMouseEvent* m);
    bool bewegt(const QMouseEvent* m);
    bool losgelassen(const QMouseEvent* m);
    void beenden();

    QAbstractItemView* liste;
    QWidget* flaeche; // the list's viewport, known without asking the list, which may be going
    TKlassenBaum* baum;
    QPoint start;            // where a drag may begin
    QModelIndex startzeile;  // the selected row pressed on, for a plain click
    bool bereit = false;     // a drag may begin
    bool zieht = false;
};
