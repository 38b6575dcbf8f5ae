// One drawing function per element kind.
#pragma once

#include "shapes.h"

namespace tolvane::pictures {

void circularPipe(Canvas&);
void rectangularPipe(Canvas&);
void ringPipe(Canvas&);
void channel(Canvas&);
void otherFormPipe(Canvas&);
void sharpEntrance(Canvas&);
void roundedEntrance(Canvas&);
void angledEntrance(Canvas&);
void projectingEntrance(Canvas&);
void suddenEnlargement(Canvas&);
void gradualEnlargement(Canvas&);
void suddenContraction(Canvas&);
void gradualContraction(Canvas&);

void circularBend(Canvas&);
void segmentBend(Canvas&);
void castIronBend(Canvas&);
void rectangularBend(Canvas&);
void miterBendCircular(Canvas&);
void miterBendRectangular(Canvas&);

void teeSharp(Canvas&);
void teeGlobular(Canvas&);
void teeRoundedBottom(Canvas&);
void teeGlobularNeckRounded(Canvas&);
void branchAsunder(Canvas&);
void branchTogether(Canvas&);
void yPipeStraight(Canvas&);
void yPipeBent(Canvas&);
void compensator(Canvas&);
void lyraBend(Canvas&);
void uBend(Canvas&);

void globeValve(Canvas&);
void globeValveY(Canvas&);
void angleValve(Canvas&);
void gateValve(Canvas&);
void cock(Canvas&);
void swingValve(Canvas&);
void checkValveLift(Canvas&);
void checkValveLiftY(Canvas&);
void checkValveSwing(Canvas&);

void orificeStandard(Canvas&);
void orificeSharp(Canvas&);
void orificeThick(Canvas&);
void nozzle(Canvas&);
void venturi(Canvas&);
void verticalDifference(Canvas&);
void knownCoefficient(Canvas&);

}  // namespace tolvane::pictures
