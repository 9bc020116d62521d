#include "austausch/ical/kalenderdatei.h"

#include <libical/ical.h>

#include <memory>

#include "model/basis/zeichensatz.h"

namespace orbato {
namespace {

constexpr char kProdId[] = "-//Orbato//Stundenplan//DE";

struct TKomponenteFrei {
  void operator()(icalcomponent* k) const { icalcomponent_free(k); }
};
using TKomponente = std::unique_ptr<icalcomponent, TKomponenteFrei>;

icaltimetype Zeitpunkt(TDatumZeit datum, int32_t minuten) {
  const TKalenderDatum d = DekodiereDatum(datum);
  icaltimetype t = icaltime_null_time();
  t.year = d.Jahr;
  t.month = d.Monat;
  t.day = d.Tag;
  t.hour = minuten / 60;
  t.minute = minuten % 60;
  t.is_date = 0;
  return t;
}

icaltimetype Stempel(TDatumZeit jetzt) {
  const TUhrzeit z = DekodiereZeit(jetzt);
  icaltimetype t = Zeitpunkt(jetzt, z.Stunde * 60 + z.Minute);
  t.second = z.Sekunde;
  t.zone = icaltimezone_get_utc_timezone();
  return t;
}

std::string Utf8(const std::string& text) {
  return Utf8AusCp1252(text);
}

icalcomponent* Ereignis(const TStundenEreignis& e, const icaltimetype& stempel) {
  icalcomponent* k = icalcomponent_new(ICAL_VEVENT_COMPONENT);
  icalcomponent_add_property(k, icalproperty_new_uid(Utf8(e.uid).c_str()));
  icalcomponent_add_property(k, icalproperty_new_dtstamp(stempel));
  icalcomponent_add_property(k, icalproperty_new_dtstart(Zeitpunkt(e.datum, e.beginn)));
  icalcomponent_add_property(k, icalproperty_new_dtend(Zeitpunkt(e.datum, e.ende)));
  icalcomponent_add_property(k, icalproperty_new_summary(Utf8(e.titel).c_str()));
  if (!e.ort.empty()) icalcomponent_add_property(k, icalproperty_new_location(Utf8(e.ort).c_str()));
  if (!e.beschreibung.empty()) {
    icalcomponent_add_property(k, icalproperty_new_description(Utf8(e.beschreibung).c_str()));
  }
  icalcomponent_add_property(
      k, icalproperty_new_status(e.abgesagt ? ICAL_STATUS_CANCELLED : ICAL_STATUS_CONFIRMED));
  return k;
}

}  // namespace

std::string KalenderText(const std::string& name, const std::vector<TStundenEreignis>& ereignisse,
                         TDatumZeit jetzt) {
  TKomponente kalender(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
  icalcomponent_add_property(kalender.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(kalender.get(), icalproperty_new_prodid(kProdId));
  icalcomponent_add_property(kalender.get(), icalproperty_new_calscale("GREGORIAN"));
  icalcomponent_add_property(kalender.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
  icalproperty* titel = icalproperty_new_x(Utf8(name).c_str());
  icalproperty_set_x_name(titel, "X-WR-CALNAME");
  icalcomponent_add_property(kalender.get(), titel);
  const icaltimetype stempel = Stempel(jetzt);
  for (const TStundenEreignis& e : ereignisse) {
    icalcomponent_add_component(kalender.get(), Ereignis(e, stempel));
  }
  char* text = icalcomponent_as_ical_string_r(kalender.get());
  std::string ergebnis(text ? text : "");
  icalmemory_free_buffer(text);
  return ergebnis;
}

}  // namespace orbato
