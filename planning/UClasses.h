#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <concepts>
#include <memory>
#include <vector>

class TMyStream;
class TLehrerliste;

// Base of every record that is stored in the project file.
class TMyObject
{
public:
    TMyObject() = default;
    TMyObject(const TMyObject&) = delete;
    TMyObject& operator=(const TMyObject&) = delete;
    virtual ~TMyObject() = default;

    virtual void Speichern(TMyStream& DS) const = 0;
};

// Owning, ordered list of records. Destroying it destroys every item it still holds,
// the item at index 0 first.
template <class T>
class TMyList
{
    using Speicher = std::vector<std::unique_ptr<T>>;

public:
    class const_iterator
    {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T* const*;
        using reference = T*;

        const_iterator() = default;
        explicit const_iterator(typename Speicher::const_iterator it) : it_(it) {}
        T* operator*() const { return it_->get(); }
        const_iterator& operator++() { ++it_; return *this; }
        const_iterator operator++(int) { auto alt = *this; ++it_; return alt; }
        bool operator==(const const_iterator&) const = default;

    private:
        typename Speicher::const_iterator it_;
    };

    TMyList() = default;
    TMyList(const TMyList&) = delete;
    TMyList& operator=(const TMyList&) = delete;
    TMyList(TMyList&&) noexcept = default;
    TMyList& operator=(TMyList&& andere) noexcept
    {
        if (this != &andere) {
            Clear();
            items_ = std::move(andere.items_);
        }
        return *this;
    }
    virtual ~TMyList() { Clear(); }

    int Count() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    T* Items(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    T* operator[](int index) const { return Items(index); }
    T* First() const { return items_.front().get(); }
    T* Last() const { return items_.back().get(); }
    const_iterator begin() const { return const_iterator(items_.cbegin()); }
    const_iterator end() const { return const_iterator(items_.cend()); }

    // Appends without any uniqueness test.
    T* Add(std::unique_ptr<T> item)
    {
        items_.push_back(std::move(item));
        return items_.back().get();
    }
    T* Insert(int index, std::unique_ptr<T> item)
    {
        return items_.insert(items_.begin() + index, std::move(item))->get();
    }
    // Removes the item at the index and destroys it.
    void Delete(int index) { Extract(Items(index)); }
    // Removes the item from the list and hands it to the caller; null when it is not in the list.
    std::unique_ptr<T> Extract(const T* item)
    {
        const int index = IndexOf(item);
        if (index < 0)
            return nullptr;
        auto herausgenommen = std::move(items_[static_cast<std::size_t>(index)]);
        items_.erase(items_.begin() + index);
        return herausgenommen;
    }
    // Removes the item from the list and destroys it; false when it was not in the list.
    bool Remove(const T* item) { return Extract(item) != nullptr; }
    int IndexOf(const T* item) const
    {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == item)
                return static_cast<int>(i);
        return -1;
    }
    void Move(int von, int nach)
    {
        auto item = std::move(items_[static_cast<std::size_t>(von)]);
        items_.erase(items_.begin() + von);
        items_.insert(items_.begin() + nach, std::move(item));
    }
    // In-place sort with a comparison that answers negative, zero or positive.
    // Like the original list sort it is not stable.
    template <class Vergleich>
    void Sort(Vergleich vergleich)
    {
        std::sort(items_.begin(), items_.end(), [&](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) {
            return vergleich(a.get(), b.get()) < 0;
        });
    }
    // Takes every item out of the list first and then destroys them from index 0 on, so
    // that destroying n items takes time in proportion to n.
    void Clear()
    {
        Speicher alt = std::move(items_);
        items_.clear();
        for (auto& item : alt)
            item.reset();
    }

    // Writes the count (negated) and then every item.
    void Speichern(TMyStream& DS) const
        requires std::derived_from<T, TMyObject>;

private:
    Speicher items_;
};

// One teacher.
class TLehrer : public TMyObject
{
public:
    TLehrer(QString k, QString n, QString a);

    QString Kuerzel;
    QString Name;
    QString Anrede;
    QStringList Unterrichtsfaecher;
    // "darf Konferenzen leiten": may be given the chair of a conference. Kept in the extra
    // data of version 3 files, not in the teacher record.
    bool DarfLeiten = false;

    void Speichern(TMyStream& DS) const override;
    static std::unique_ptr<TLehrer> Oeffnen(TMyStream& DS);
};

// One parent representative of one class.
class TEltern : public TMyObject
{
public:
    TEltern(QString a, QString n, int id);

    QString Anrede;
    QString Name;
    QString ID; // decimal text of a non-negative integer; the same ID marks the same person

    void Speichern(TMyStream& DS) const override;
    static std::unique_ptr<TEltern> Oeffnen(TMyStream& DS);
};

// One class and its report conference. The teacher references point into the teacher
// list and are not owned.
class TKlasse : public TMyObject
{
public:
    explicit TKlasse(QString Bez);

    QString Bezeichnung;
    QList<TLehrer*> Unterrichtende;
    QList<TLehrer*> K_Leitung;
    TLehrer* Stufenleitung = nullptr;
    TLehrer* Vorsitz = nullptr;
    TMyList<TEltern> Elternvertreter;
    double Konferenzdatum = 0.0; // days since 30 December 1899; 0 = no date

    void Speichern(TMyStream& DS) const override;
    static std::unique_ptr<TKlasse> Oeffnen(TMyStream& DS);
};

class TLehrerliste : public TMyList<TLehrer>
{
public:
    // The first teacher with exactly this abbreviation, or null.
    TLehrer* Suche(const QString& k) const;
    // Appends the teacher unless its abbreviation is taken. On success the list owns it
    // (neuLehrer becomes empty); otherwise it stays with the caller.
    bool LehrerHinzu(std::unique_ptr<TLehrer>& neuLehrer);

    static std::unique_ptr<TLehrerliste> Oeffnen(TMyStream& DS);
};

class TKlassenliste : public TMyList<TKlasse>
{
public:
    TKlasse* SucheKlasse(const QString& k) const;
    bool KlasseExistiert(const QString& x) const;
    // Always takes the class: appended when the designation is new, destroyed otherwise.
    bool KlasseHinzu(std::unique_ptr<TKlasse> neuKlasse);

    static std::unique_ptr<TKlassenliste> Oeffnen(TMyStream& DS);
};

// A conference group: classes that share no teacher, not owned. A distribution owns its groups.
using TGruppe = QList<TKlasse*>;
using TVerteilung = TMyList<TGruppe>;

// Typed stream of little-endian 32-bit integers, doubles and length-prefixed
// Windows-1252 strings, over a byte buffer with a position.
class TMyStream
{
public:
    TMyStream() = default;
    explicit TMyStream(QByteArray daten) : Daten(std::move(daten)) {}

    QByteArray Daten;
    qsizetype Position = 0;

    // Context of the file being read or written: its format version and the teacher
    // list that class records refer to by position and abbreviation.
    int Dateiversion = 2;
    const TLehrerliste* Lehrer = nullptr;

    // The first teacher of Lehrer with exactly this abbreviation (null when there is none),
    // and the position of a teacher in Lehrer (-1 when it is none of them). Both look into
    // an index built once for the teacher list, so that reading and writing a file take
    // time in proportion to its size. The list must not change while the stream uses it.
    TLehrer* LehrerMitKuerzel(const QString& kuerzel) const;
    qint32 LehrerPosition(const TLehrer* lehrer) const;

    void WriteInt(qint32 loin);
    void WriteDate(double datum);
    void WriteStr(const QString& sg);
    void WritePlainText(const QString& s);
    void WriteRichText(const QString& s);

    qint32 ReadInt();
    double ReadDate();
    QString ReadStr();

    qsizetype Rest() const { return Daten.size() - Position; }
    // A damaged file may announce more items than it holds: throws when the bytes left
    // cannot hold anzahl items of at least bytesJeEintrag bytes each.
    void AnzahlPruefen(qint64 anzahl, qint64 bytesJeEintrag) const;

private:
    void schreiben(const char* bytes, qsizetype laenge);
    const char* lesen(qsizetype laenge);
    void lehrerIndexBauen() const;

    struct TLehrerIndex
    {
        const TLehrerliste* Liste = nullptr;
        int Anzahl = -1;
        QHash<QString, TLehrer*> NachKuerzel;
        QHash<const TLehrer*, qint32> Positionen;
    };
    mutable TLehrerIndex lehrerIndex_;
};

template <class T>
void TMyList<T>::Speichern(TMyStream& DS) const
    requires std::derived_from<T, TMyObject>
{
    DS.WriteInt(-Count());
    for (const T* item : *this)
        item->Speichern(DS);
}
