#pragma once

#include "ausgabe/UKonferenzliste.h"

#include <QByteArray>

// The printed outputs of the timetable as PDF documents (bytes, for the safe writer).

// "Mein Konferenzplan": one A4 page per teacher (more only when the conferences do not fit),
// in the order of the plans.
QByteArray LehrkraeftePdf(const QList<TLehrkraftPlan>& plaene, int wechsel);
// One A4 landscape door sign per room and day.
QByteArray TuerschilderPdf(const QList<TRaumTag>& raeume);
