/* Resource ids shared by the C++ sources and vantry.rc (windres reads this
   too, so keep it to #define lines). The icon ids ascend in the order the
   shell should list them: program icon first, then the document icons. */
#define IDI_VANTRY 101
#define IDI_DOC1 102
#define IDI_DOC2 103
#define IDI_DOC3 104

/* Caption-button bitmaps are loaded by name (names compare without regard to case). */
#define IDB_EX1 "EX1"
#define IDB_EX2 "EX2"
#define IDB_EXD "EXD"
#define IDB_MIN1 "MIN1"
#define IDB_MIN2 "MIN2"
#define IDB_MIND "MIND"
#define IDB_HELP1 "HELP1"
#define IDB_HELP2 "HELP2"
#define IDB_HELPD "HELPD"
