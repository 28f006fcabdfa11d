#include "cli/DemoNames.h"

namespace DemoNames {

const std::vector<const char*>& MaleFirst() {
  static const std::vector<const char*> list = {
      "JAMES",    "JOHN",    "ROBERT",      "MICHAEL", "WILLIAM", "DAVID",   "RICHARD", "JOSEPH",
      "THOMAS",   "CHARLES", "CHRISTOPHER", "DANIEL",  "MATTHEW", "ANTHONY", "MARK",    "DONALD",
      "STEVEN",   "PAUL",    "ANDREW",      "JOSHUA",  "KENNETH", "KEVIN",   "BRIAN",   "GEORGE",
      "TIMOTHY",  "RONALD",  "JASON",       "EDWARD",  "JEFFREY", "RYAN",    "JACOB",   "GARY",
      "NICHOLAS", "ERIC",    "JONATHAN",    "STEPHEN", "LARRY",   "JUSTIN",  "SCOTT",   "BRANDON",
      "CARLOS",   "LUIS",    "JOSE",        "MARCUS",  "TYRONE",  "DARNELL", "TRAVIS",  "CODY",
      "DUSTIN",   "WAYNE",   "DWAYNE",      "CURTIS",  "JAMAL",   "ANDRE",   "VICTOR",  "HECTOR",
  };
  return list;
}

const std::vector<const char*>& FemaleFirst() {
  static const std::vector<const char*> list = {
      "MARY",    "PATRICIA", "JENNIFER", "LINDA",   "ELIZABETH", "BARBARA",  "SUSAN",   "JESSICA",
      "SARAH",   "KAREN",    "LISA",     "NANCY",   "BETTY",     "SANDRA",   "ASHLEY",  "KIMBERLY",
      "DONNA",   "EMILY",    "MICHELLE", "CAROL",   "AMANDA",    "MELISSA",  "DEBORAH", "STEPHANIE",
      "REBECCA", "LAURA",    "CRYSTAL",  "AMBER",   "TIFFANY",   "BRITTANY", "MARIA",   "ROSA",
      "TONYA",   "SHANNON",  "HEATHER",  "DESTINY",
  };
  return list;
}

const std::vector<const char*>& Last() {
  static const std::vector<const char*> list = {
      "SMITH",    "JOHNSON",   "WILLIAMS", "BROWN",     "JONES",     "GARCIA",         "MILLER",
      "DAVIS",    "RODRIGUEZ", "MARTINEZ", "HERNANDEZ", "LOPEZ",     "GONZALEZ",       "WILSON",
      "ANDERSON", "THOMAS",    "TAYLOR",   "MOORE",     "JACKSON",   "MARTIN",         "LEE",
      "PEREZ",    "THOMPSON",  "WHITE",    "HARRIS",    "SANCHEZ",   "CLARK",          "RAMIREZ",
      "LEWIS",    "ROBINSON",  "WALKER",   "YOUNG",     "ALLEN",     "KING",           "WRIGHT",
      "SCOTT",    "TORRES",    "NGUYEN",   "HILL",      "FLORES",    "GREEN",          "ADAMS",
      "NELSON",   "BAKER",     "HALL",     "RIVERA",    "CAMPBELL",  "MITCHELL",       "CARTER",
      "ROBERTS",  "O'NEAL",    "MCDANIEL", "ST. JOHN",  "VAN DYKE",  "PRICE-HOLLOWAY", "BARNES",
      "FOSTER",   "BUTLER",    "SIMMONS",  "BRYANT",    "ALEXANDER", "RUSSELL",        "GRIFFIN",
      "DIAZ",     "HAYES",     "MYERS",    "FORD",      "HAMILTON",  "GRAHAM",         "SULLIVAN",
      "WALLACE",  "WOODS",     "COLE",     "WEST",      "JORDAN",    "OWENS",          "REYNOLDS",
      "FISHER",   "ELLIS",     "HARRISON", "GIBSON",    "CRUZ",      "MARSHALL",       "ORTIZ",
      "GOMEZ",    "MURRAY",    "FREEMAN",  "WELLS",     "WEBB",      "SIMPSON",        "STEVENS",
      "TUCKER",   "PORTER",    "HUNTER",   "HICKS",     "CRAWFORD",  "HENRY",          "BOYD",
  };
  return list;
}

const std::vector<const char*>& Streets() {
  static const std::vector<const char*> list = {
      "MAIN ST",         "MARION AVE",
      "DUVAL ST",        "BAYA AVE",
      "PINEMOUNT RD",    "OLD COUNTRY CLUB RD",
      "BROWN RD",        "US HWY 90",
      "SR 47",           "MCFARLANE AVE",
      "HERNANDO ST",     "WASHINGTON ST",
      "CYPRESS LAKE RD", "PARK ST",
      "OAK HILL DR",     "SISTERS WELCOME RD",
      "KING ST",         "GWEN LAKE BLVD",
      "TUSTENUGGEE AVE", "ALLIGATOR DR",
  };
  return list;
}

const std::vector<const char*>& Cities() {
  static const std::vector<const char*> list = {
      "LAKE CITY",    "LAKE CITY", "LAKE CITY", "FORT WHITE",  "WELLBORN", "LULU",
      "HIGH SPRINGS", "LIVE OAK",  "ALACHUA",   "GAINESVILLE", "JASPER",
  };
  return list;
}

const std::vector<const char*>& Judges() {
  static const std::vector<const char*> list = {
      "JUDGE LEANDRA JOHNSON", "JUDGE WESLEY DOUGLAS",   "JUDGE MARGARET HAYES", "JUDGE PAUL BRYAN",
      "JUDGE TOM COLLINS",     "JUDGE ANN-MARIE O'HARA", "JUDGE DERRICK WHITE",
  };
  return list;
}

const std::vector<const char*>& Attorneys() {
  static const std::vector<const char*> list = {
      "PUBLIC DEFENDER OFFICE", "JAMES A. BURNS, ESQ.", "LINDA K. FOWLER, ESQ.",
      "ROBERT MCCALL, ESQ.",    "DIANE O'CONNOR, ESQ.", "MARCUS T. REED, ESQ.",
  };
  return list;
}

const std::vector<const char*>& Employers() {
  static const std::vector<const char*> list = {
      "SELF",        "UNEMPLOYED", "WAL-MART",     "HOME DEPOT",   "COUNTY ROADS DEPT",
      "TRUCKING CO", "RESTAURANT", "CONSTRUCTION", "LAWN SERVICE", "GROCERY STORE",
  };
  return list;
}

const std::vector<const char*>& Relationships() {
  static const std::vector<const char*> list = {
      "MOTHER", "FATHER",  "WIFE",   "HUSBAND",     "GIRLFRIEND", "BOYFRIEND",
      "SISTER", "BROTHER", "FRIEND", "GRANDMOTHER", "COUSIN",     "AUNT",
  };
  return list;
}

}  // namespace DemoNames
