#include "elements.h"

namespace tolvane::pictures {

// The bitmap numbers: 1600, 1700, 1800, 2100, 2200, 2300, 2400, 2500, 2600
// and 2800 plus the variant for the groups 1 to 10.
const std::vector<Picture>& elementPictures() {
    static const std::vector<Picture> pictures = {
        {1601, circularPipe},
        {1602, rectangularPipe},
        {1603, ringPipe},
        {1604, channel},
        {1605, otherFormPipe},
        {1701, sharpEntrance},
        {1702, roundedEntrance},
        {1703, angledEntrance},
        {1704, projectingEntrance},
        {1801, suddenEnlargement},
        {1802, gradualEnlargement},
        {1803, suddenContraction},
        {1804, gradualContraction},
        {2101, circularBend},
        {2102, segmentBend},
        {2103, castIronBend},
        {2104, rectangularBend},
        {2105, miterBendCircular},
        {2106, miterBendRectangular},
        {2201, teeSharp},
        {2202, teeGlobular},
        {2203, teeRoundedBottom},
        {2204, teeGlobularNeckRounded},
        {2205, branchAsunder},
        {2206, branchTogether},
        {2207, yPipeStraight},
        {2208, yPipeBent},
        {2301, compensator},
        {2302, lyraBend},
        {2303, uBend},
        {2401, globeValve},
        {2402, globeValveY},
        {2403, angleValve},
        {2404, gateValve},
        {2405, cock},
        {2406, swingValve},
        {2501, checkValveLift},
        {2502, checkValveLiftY},
        {2503, checkValveSwing},
        {2601, orificeStandard},
        {2602, orificeSharp},
        {2603, orificeThick},
        {2604, nozzle},
        {2605, venturi},
        {2801, verticalDifference},
        {2802, knownCoefficient},
    };
    return pictures;
}

}  // namespace tolvane::pictures
