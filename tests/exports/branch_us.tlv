4.0
I
5
145	150	150	150	150	150	
16
MS Sans Serif
0
8
0
0
0
0
1
brine/liq.
44.000
74.914
2.400

header 4", north, "A" side
circular/1
Diameter of pipe D in in.: 4.000
Length of pipe L in ft.: 100.000

 
 
1.123
1.74E+0004


turbulent
0.004
0.029
8.615


12.657
0.088
2
brine/liq.
44.000
74.914
2.400

tee; branch to cooler
Branch flowing together/1
Diameter D1 in in.: 4.000
Diameter D2 in in.: 4.000
Radius R in in.: 0.000
Angle w in degree: 90
 
1.123
1.74E+0004
0.511
7906
turbulent


0.385
0.222
0.326
0.566
0.004
3
brine/liq.
44.000
74.914
2.400

Wärmetauscher E-101
Sharpe edged entrance/1
Diameter of pipe D in in.: 4.000


 
The pipe entrance is:  sharpe-edged
1.123
1.74E+0004


turbulent


0.500


0.735
0.005
4
brine/liq.
44.000
74.914
2.400


Resistance coefficient/1
Diameter of element D in in.: 4.000
Resistance coefficient: 5.000

 
 
1.123
1.74E+0004


turbulent


5.000


7.346
0.051
5
brine/liq.
44.000
74.914
2.400

line to	tank
circular/1
Diameter of pipe D in in.: 3.000
Length of pipe L in ft.: 2000.000

 
 
1.997
2.32E+0004


turbulent
0.004
0.028
222.694


1034.025
7.181
