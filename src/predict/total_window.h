#pragma once

class App;

// The Total window: overall tallies of all strategies.
void Total_F_Load(App& app);
