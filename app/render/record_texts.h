#pragma once

#include <utility>

// The texts of the run records of norvika and norvika-hydrostatics, in the program's Turkish,
// in one place, so that a catalogue of another language can take them.

namespace norvika::texts::record {

inline constexpr const char* kTitle = "CALISMA KAYDI";
inline constexpr const char* kHydrostaticsTitle = "FORM EGRILERI VE BONJEAN EGRILERI";
inline constexpr const char* kStarted = "BASLAMA:";
inline constexpr const char* kDirectory = "CALISMA DIZINI:";

inline constexpr const char* kTaskFile = "HESAP DOSYASI";
inline constexpr const char* kHullFileName = "GEMI FORM DOSYASI:";
inline constexpr const char* kShipLength = "GEMI BOYU L:";
inline constexpr const char* kDivisions = "POSTA ARALIGI SAYISI:";
inline constexpr const char* kDensity = "SU YOGUNLUGU:";
inline constexpr const char* kCase = "HESAP:";
inline constexpr const char* kRequired = "  ISTENEN DEPLASMAN:";
inline constexpr const char* kInitialDraft = "  BASLANGIC DRAFTI:";
inline constexpr const char* kWaveHeight = "  DALGA YUKSEKLIGI H:";
inline constexpr const char* kWaveLength = "  DALGA BOYU / L:";
inline constexpr const char* kForwardDraft = "  BAS DRAFT Tf:";
inline constexpr const char* kAftDraft = "  KIC DRAFT Ta:";
inline constexpr const char* kHeel = "  MEYIL ACISI:";
inline constexpr const char* kDegrees = "DERECE";
inline constexpr const char* kEqualPoints = "ESIT ARALIKLI NOKTALAR:";
inline constexpr const char* kNone = "YOK";
/// "101, AP 'den 0 - 100 m ARASINDA"
inline constexpr const char* kFromAftBetween = "AP 'den %1 - %2 m ARASINDA";

inline constexpr const char* kWeightsFile = "AGIRLIK DOSYASI";
inline constexpr const char* kWeightsTitle = "BASLIK:";
inline constexpr const char* kWeightBlocks = "AGIRLIK BLOK SAYISI:";
inline constexpr const char* kTotalWeight = "TOPLAM AGIRLIK W:";
inline constexpr const char* kLcg = "LCG:";
inline constexpr const char* kFromAft = "m AP 'den";

inline constexpr const char* kHullFile = "GEMI FORM DOSYASI";
inline constexpr const char* kStations = "POSTALAR:";
inline constexpr const char* kContours = "KIC - BAS BODOSLAMA:";
inline constexpr const char* kHalfBreadth = "EN BUYUK YARI GENISLIK:";
inline constexpr const char* kHeights = "YUKSEKLIKLER:";
inline constexpr const char* kUnread = "  OKUNAMADI: ";

inline constexpr const char* kAnswers = "SORULAR VE CEVAPLAR";
inline constexpr const char* kNoAnswer = "  HICBIR SORU CEVAPLANMADI";
inline constexpr const char* kAnswer = "CEVAP:";

inline constexpr const char* kEnding = "CALISMANIN SONU: ";
inline constexpr const char* kStatus = "DURUM";
inline constexpr const char* kCompleted = "TAMAMLANDI";
inline constexpr const char* kInputError = "BIR GIRDI DOSYASI EKSIK VEYA HATALI";
inline constexpr const char* kStopped = "HESAP DURDU";
inline constexpr const char* kRejected = "GEOMETRI VEYA SU HATTI REDDEDILDI";
inline constexpr const char* kWriteFailed = "BIR SONUC DOSYASI YAZILAMADI";
inline constexpr const char* kInternal = "IC HATA";
inline constexpr const char* kByUser = "KULLANICI DURDURDU";

inline constexpr const char* kWritten = "BU CALISMANIN YAZDIGI SONUC DOSYALARI";
inline constexpr const char* kWrittenHydrostatics = "CALISMA DIZINIDEKI SONUC DOSYALARI";
inline constexpr const char* kBytes = "BAYT";
inline constexpr const char* kRemoved = "ONCEKI BIR CALISMAYA AIT OLDUGU ICIN SILINDI";
/// "CIZIMLER: CALISMANIN 69 CERCEVESINDEN 7"
inline constexpr const char* kDrawings = "CIZIMLER: CALISMANIN %2 CERCEVESINDEN %1";
inline constexpr const char* kFinishedOnly = ", BITMIS CIZIMLER (--pdf-frames all: HEPSI)";
inline constexpr const char* kNotWritten = "YAZILMADI.";

/// The sentences that say how an answer or the user ended a run (the English ones the terminal
/// says, run_end_message), as the record writes them.
inline constexpr std::pair<const char*, const char*> kEndingSentences[] = {
    {"The run was ended by the answer", "CALISMA SU CEVAPLA SONA ERDI:"},
    {"(there is an error in the drawing).", "(CIZIMDE YANLISLIK VAR)."},
    {"Nothing was written; the result files of earlier runs are kept.",
     "HICBIR SEY YAZILMADI; ONCEKI CALISMALARIN SONUC DOSYALARI KORUNDU."},
    {"Norvika.SON holds the report up to the displacement lines;",
     "Norvika.SON RAPORU DEPLASMAN SATIRLARINA KADAR ICERIR;"},
    {"SEPHIYE.TXT was not written.", "SEPHIYE.TXT YAZILMADI."},
    {"the result files of an earlier run were removed, as they belonged to another run:",
     "BASKA BIR CALISMAYA AIT OLDUKLARI ICIN ONCEKI CALISMANIN SONUC DOSYALARI SILINDI:"},
    {"The run was stopped by the user. Nothing of it was written; the result files of earlier "
     "runs are kept.",
     "CALISMAYI KULLANICI DURDURDU. HICBIR SEY YAZILMADI; ONCEKI CALISMALARIN SONUC DOSYALARI "
     "KORUNDU."},
};

inline constexpr const char* kTrim = "TRIM Tf - Ta:";
inline constexpr const char* kDrafts = "L/2 'DEKI DRAFTLAR:";
/// "20, 1 m - 10 m"
inline constexpr const char* kDraftRange = "%1, %2 - %3";

}  // namespace norvika::texts::record
