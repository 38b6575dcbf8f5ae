import sys, math
sys.path.insert(0, __import__('os').path.dirname(__file__))
from atoms import mm
LN10=math.log(10)
# Wagner (RPP 4th ed.): name, text, formula, melt, boil, A,B,C,D, Tmin,Tmax, Tc,Pc, rhoR,TR,ZRA
W=[
("Water","H2O","H2O","0","100",-7.76451,1.45838,-2.77580,-1.23303,273,473,647.3,221.2,0.9982,293.15,0.4226),
("Methane","CH4, liquefied natural gas","CH4","-182.5","-161.5",-6.00435,1.18850,-0.83408,-1.22833,91,190,190.4,46.0,0.4224,111.7,0.2892),
("Nitrogen","N2, liquid nitrogen","N2","-210.0","-195.8",-6.09676,1.13670,-1.04072,-1.93306,64,126,126.2,33.9,0.8061,77.35,0.2900),
("Benzene","C6H6","C6H6","5.5","80.1",-6.98273,1.33213,-2.62863,-3.33399,279,560,562.2,48.9,0.8765,293.15,0.2698),
("Ethanol","C2H5OH","C2H6O","-114.1","78.3",-8.51838,0.34163,-5.73683,8.32581,160,512,513.9,61.4,0.7893,293.15,0.2502),
("Methanol","CH3OH","CH4O","-97.5","64.7",-8.54796,0.76982,-3.10850,1.54481,176,511,512.6,80.9,0.7914,293.15,0.2334),
("Propane","C3H8, LPG","C3H8","-187.6","-42.1",-6.72219,1.33236,-2.13868,-1.38551,86,369,369.8,42.5,0.5812,231.1,0.2766),
("Toluene","C7H8","C7H8","-95.0","110.6",-7.28607,1.38091,-2.83433,-2.79168,179,590,591.8,41.0,0.8669,293.15,0.2644),
("Acetone","C3H6O","C3H6O","-94.7","56.1",-7.45514,1.20200,-2.43926,-3.35590,179,507,508.1,47.0,0.7899,293.15,0.2477),
]
# NIST WebBook Antoine, log10(P/bar) = A - B/(T + C): name,text,formula,melt,boil,A,B,C,Tmin,Tmax,Tc,Pc,rhoR,TR,ZRA
A=[
("n-Pentane","C5H12","C5H12","-129.7","36.1",3.9892,1070.617,-40.454,269,341,469.7,33.7,0.6262,293.15,0.2684),
("n-Hexane","C6H14","C6H14","-95.3","68.7",4.00266,1171.53,-48.784,287,342,507.5,30.1,0.6594,293.15,0.2635),
("n-Heptane","C7H16","C7H16","-90.6","98.4",4.02832,1268.636,-56.199,300,372,540.3,27.4,0.6837,293.15,0.2604),
("Chloroform","CHCl3","CHCl3","-63.6","61.2",4.20772,1233.129,-40.953,215,334,536.4,53.7,1.4832,293.15,0.2750),
("Acetic acid","CH3COOH","C2H4O2","16.6","117.9",4.68206,1642.540,-39.764,291,391,592.7,57.9,1.0492,293.15,0.2224),
("Carbon tetrachloride","CCl4","CCl4","-22.6","76.8",4.02291,1221.781,-45.739,294,350,556.4,45.6,1.5940,293.15,0.2722),
("Ammonia","NH3, refrigerant R717","NH3","-77.7","-33.3",3.18757,506.713,-80.78,240,371,405.5,113.5,0.6820,239.8,0.2465),
("Cyclohexane","C6H12","C6H12","6.6","80.7",3.96988,1203.526,-50.287,294,354,553.5,40.7,0.7785,293.15,0.2729),
]
# Frost-Kalkwarf, fitted here to NIST Antoine with D = 27 Tc^2/(64 Pc): name,...,A10,B10,C10,Tmin,Tmax,Tc,Pc,rhoR,TR,ZRA
F=[
("n-Octane","C8H18","C8H18","-56.8","125.6",4.04867,1355.126,-63.633,327,399,568.8,24.9,0.7025,293.15,0.2571),
("Ethyl acetate","CH3COOC2H5","C4H8O2","-83.6","77.1",4.22809,1245.702,-55.189,289,349,523.2,38.3,0.9003,293.15,0.2538),
("o-Xylene","C8H10","C8H10","-25.2","144.5",4.12928,1478.244,-59.076,337,418,630.3,37.3,0.8802,293.15,0.2623),
("2-Butanone","methyl ethyl ketone, MEK","C4H8O","-86.6","79.6",3.9894,1150.207,-63.904,316,362,536.8,42.1,0.8054,293.15,0.2499),
]
def wag(r,T):
    A,B,C,D=r[5:9]; Tc,Pc=r[11],r[12]; tau=1-T/Tc
    return Pc*math.exp((A*tau+B*tau**1.5+C*tau**3+D*tau**6)*Tc/T)
def ant(A,B,C,T): return 10**(A-B/(T+C))
def solve3(M,v):
    import copy
    M=[row[:]+[v[i]] for i,row in enumerate(M)]
    n=3
    for i in range(n):
        p=max(range(i,n),key=lambda r:abs(M[r][i])); M[i],M[p]=M[p],M[i]
        for r in range(n):
            if r!=i:
                f=M[r][i]/M[i][i]
                for c in range(i,n+1): M[r][c]-=f*M[i][c]
    return [M[i][n]/M[i][i] for i in range(n)]
def fk(A,B,C,D,T):
    x=0
    K=A-B/T+C*math.log(T); k=D/T/T
    for _ in range(100): x=x-(K+k*math.exp(x)-x)/(k*math.exp(x)-1)
    return math.exp(x)
rows=[]; checks=[]
def fmt(v): return f"{v:.6g}"
for r in W:
    n,t,f,mp,bp,a,b,c,d,tmin,tmax,tc,pc,rr,tr,z=r
    rows.append([n,t,f"{mm(f):.3f}",mp,bp,"1",fmt(a),fmt(b),fmt(c),fmt(d),str(tmin),str(tmax),fmt(tc),fmt(pc),fmt(rr),fmt(tr),fmt(z)])
    checks.append((n,wag(r,float(bp)+273.15)))
for r in A:
    n,t,f,mp,bp,a,b,c,tmin,tmax,tc,pc,rr,tr,z=r
    rows.append([n,t,f"{mm(f):.3f}",mp,bp,"3",fmt(a*LN10),fmt(b*LN10),fmt(c),"0",str(tmin),str(tmax),fmt(tc),fmt(pc),fmt(rr),fmt(tr),fmt(z)])
    checks.append((n,ant(a,b,c,float(bp)+273.15)))
for r in F:
    n,t,f,mp,bp,a,b,c,tmin,tmax,tc,pc,rr,tr,z=r
    D=27*tc*tc/(64*pc)
    # least squares: ln p - D p/T^2 = A - B/T + C ln T
    S=[[0]*3 for _ in range(3)]; v=[0]*3
    for i in range(201):
        T=tmin+(tmax-tmin)*i/200; p=ant(a,b,c,T)
        y=math.log(p)-D*p/T/T; x=[1,-1/T,math.log(T)]
        for j in range(3):
            v[j]+=x[j]*y
            for k in range(3): S[j][k]+=x[j]*x[k]
    FA,FB,FC=solve3(S,v)
    err=max(abs(fk(FA,FB,FC,D,T)/ant(a,b,c,T)-1) for T in [tmin+(tmax-tmin)*i/50 for i in range(51)])
    rows.append([n,t,f"{mm(f):.3f}",mp,bp,"2",fmt(FA),fmt(FB),fmt(FC),fmt(D),str(tmin),str(tmax),fmt(tc),fmt(pc),fmt(rr),fmt(tr),fmt(z)])
    checks.append((n,fk(FA,FB,FC,D,float(bp)+273.15)))
    print(n,"FK fit max rel err",err)
for n,p in checks: print(f"{n:22s} p(bp)={p:.4f} bar  dev={(p/1.01325-1)*100:+.2f}%")
T=[20,50,100,150]; ref=[0.023393,0.12352,1.01418,4.7617]
for t,pr in zip(T,ref): print("water",t,wag(W[0],t+273.15)/pr-1)
open(sys.argv[1],'wb').write(("\r\n".join("\t".join(r) for r in rows)+"\r\n").encode('cp1252'))
print(len(rows))
