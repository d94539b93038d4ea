#include "app/form1.h"

void Form1::okdruck_Click() {}
void Form1::okcopy_Click() {}
