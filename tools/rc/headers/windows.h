/* placeholder */
#define WS_VISIBLE 0x10000000L
