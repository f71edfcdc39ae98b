#pragma once

class App;

// "Expect !": refusals, then MakeExpect.
void Expect_Click(App& app, int);

// Makes one prediction per strategy for the coming spin and shows it.
void MakeExpect(App& app);
