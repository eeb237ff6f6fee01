/* Resource ids shared by the C++ sources and vantry.rc (windres reads this
   too, so keep it to #define lines). The icon ids ascend in the order the
   shell should list them: program icon first, then the document icons. */
#define IDI_VANTRY 101
#define IDI_DOC1 102
#define IDI_DOC2 103
#define IDI_DOC3 104

