/* Context numbers of the help topics. The help compiler reads this file for
   the help file's map and the program includes it, so both agree. Keep the
   form "#define NAME number" with single spaces: the help compiler skips
   other forms without a word. */
#define IDH_MAIN_WINDOW 1000
#define IDH_QUICK_START 1010
#define IDH_INPUTS 1020
#define IDH_RESULTS 1030
#define IDH_GROUPS 1040
#define IDH_PREFLOP 1050
#define IDH_BET_SIZING 1060
#define IDH_POSTFLOP 1070
#define IDH_MENUS 1080
#define IDH_GLOSSARY 1090
#define IDH_ABOUT 1100
#define IDH_STRATEGY_CHART 1110
#define IDH_CARDS_BOARD 1120
#define IDH_REVIEW_HANDS 1130
#define IDH_PRACTICE 1140
