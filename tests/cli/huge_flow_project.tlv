4.0
M
1
145	150	
16
MS Sans Serif
0
8
0
0
0
0
1
water/liq.
1e308
998.200
1002.000


Gate valve/1
Diameter of pipe D in mm: 100.000


 
 
0.354
3.54E+0004


turbulent


0.100


1.230
0.001
