#pragma once

class App;

// "＜" of row i: takes back the last recorded spin when it was number index i.
void Count_M_Click(App& app, int i);
