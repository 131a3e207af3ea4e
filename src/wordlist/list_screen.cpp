#include "wordlist/list_screen.h"

void OnWordList() {}
